#include "vantro/ListRecords.h"

#include <algorithm>

namespace vantro {

ItemData::~ItemData() {
    for (CellInfo* cell : cells)
        delete cell;
}

ListRecords::~ListRecords() {
    for (ItemData* record : records_)
        delete record;
}

void ListRecords::SetDefaults(Colour background, Colour text) {
    std::lock_guard<std::mutex> hold(lock_);
    defaultBackground_ = background;
    defaultText_ = text;
}

ItemData* ListRecords::Known(intptr_t param) {
    if (param == 0)
        return nullptr;
    auto* record = reinterpret_cast<ItemData*>(param);
    return known_.count(record) ? record : nullptr;
}

ItemData* ListRecords::RecordOfRow(int row) {
    intptr_t param = list_.ItemParam(row);
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (ItemData* record = Known(param))
            return record;
    }
    ItemData* record = CreateRecord();
    {
        std::lock_guard<std::mutex> hold(lock_);
        records_.push_back(record);
        known_.insert(record);
    }
    list_.SetItemParam(row, reinterpret_cast<intptr_t>(record));
    return record;
}

void ListRecords::SetRowValue(int row, int value) {
    ItemData* record = RecordOfRow(row);
    std::lock_guard<std::mutex> hold(lock_);
    record->userValue = value;
}

void ListRecords::FreeAllRowRecords() {
    const int rows = list_.ItemCount();
    for (int row = 0; row < rows; ++row)
        list_.SetItemParam(row, 0);
    std::vector<ItemData*> freed;
    {
        std::lock_guard<std::mutex> hold(lock_);
        freed.swap(records_);
        known_.clear();
    }
    for (ItemData* record : freed)
        delete record;
}

void ListRecords::FreeRowRecord(int row) {
    if (row < 0 || row >= list_.ItemCount())
        return;
    intptr_t param = list_.ItemParam(row);
    ItemData* record;
    {
        std::lock_guard<std::mutex> hold(lock_);
        record = Known(param);
    }
    if (!record)
        return;
    list_.SetItemParam(row, 0);
    {
        std::lock_guard<std::mutex> hold(lock_);
        known_.erase(record);
        records_.erase(std::remove(records_.begin(), records_.end(), record), records_.end());
    }
    delete record;
}

void ListRecords::SetCellColors(int row, int column, Colour text) {
    if (row < 0 || column < 0 || row >= list_.ItemCount() || column >= list_.ColumnCount())
        return;
    ItemData* record = RecordOfRow(row);
    std::lock_guard<std::mutex> hold(lock_);
    if (!known_.count(record))
        return;  // freed meanwhile
    if (record->cells.size() <= static_cast<size_t>(column))
        record->cells.resize(column + 1, nullptr);
    CellInfo*& cell = record->cells[column];
    if (!cell)
        cell = new CellInfo(column);
    cell->background = kCellBackground;
    cell->text = text;
}

bool ListRecords::ResolveColours(intptr_t itemParam, int column, DrawColours* colours) {
    std::lock_guard<std::mutex> hold(lock_);
    colours->background = defaultBackground_;
    colours->text = defaultText_;
    ItemData* record = Known(itemParam);
    if (!record)
        return false;
    Colour background = kNoColour, text = kNoColour;
    bool found = false;
    if (column >= 0 && static_cast<size_t>(column) < record->cells.size() && record->cells[column]) {
        const CellInfo* cell = record->cells[column];
        if (cell->background != kNoColour || cell->text != kNoColour) {
            background = cell->background;
            text = cell->text;
            found = true;
        }
    }
    if (!found && (record->background != kNoColour || record->text != kNoColour)) {
        background = record->background;
        text = record->text;
        found = true;
    }
    // No column records exist, so the column level never has a colour.
    if (!found)
        return false;
    if (background != kNoColour)
        colours->background = background;
    if (text != kNoColour)
        colours->text = text;
    return true;
}

size_t ListRecords::RecordCount() {
    std::lock_guard<std::mutex> hold(lock_);
    return records_.size();
}

}  // namespace vantro
