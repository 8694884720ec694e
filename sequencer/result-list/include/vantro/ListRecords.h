// The result list's records: one per row (the list item's user value points
// to it), one per coloured cell, and the colours custom draw takes from them.
// The sequence worker changes records while the GUI thread paints, so both
// take the lock; it is never held across a message to the control.
#pragma once

#include <cstdint>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace vantro {

using Colour = uint32_t;  // 0x00BBGGRR
constexpr Colour kNoColour = 0xFFFFFFFFu;
constexpr Colour kCellBackground = 0x00FFFFFFu;

// The in-place editor of a cell, row or column; nothing configures one.
struct EditorDescriptor {
    void* beginEdit = nullptr;
    void* endEdit = nullptr;
    void* editorWindow = nullptr;
    int readOnly = 0;
};

struct CellInfo {
    explicit CellInfo(int columnIndex) : column(columnIndex) {}
    EditorDescriptor editor;
    Colour background = kNoColour;
    Colour text = kNoColour;
    uint32_t extra = 0;
    int column;
};

struct ItemData {
    virtual ~ItemData();
    EditorDescriptor editor;
    std::vector<CellInfo*> cells;  // by column, grown on demand
    Colour background = kNoColour;
    Colour text = kNoColour;
    int userValue = 0;
};

// The list-view control as the records use it.
class ListViewAdapter {
public:
    virtual ~ListViewAdapter() = default;
    virtual int ItemCount() = 0;
    virtual int ColumnCount() = 0;
    virtual intptr_t ItemParam(int row) = 0;
    virtual void SetItemParam(int row, intptr_t param) = 0;
};

struct DrawColours {
    Colour background;
    Colour text;
};

class ListRecords {
public:
    explicit ListRecords(ListViewAdapter& list) : list_(list) {}
    virtual ~ListRecords();
    ListRecords(const ListRecords&) = delete;
    ListRecords& operator=(const ListRecords&) = delete;

    // The control's own colours, kNoColour when unknown.
    void SetDefaults(Colour background, Colour text);

    void SetRowValue(int row, int value);
    // The rows' user values are zeroed first, so a paint never reaches a
    // freed record.
    void FreeAllRowRecords();
    void FreeRowRecord(int row);
    // Result and comment colouring: white background and the text colour.
    // Rows and columns outside the list change nothing.
    void SetCellColors(int row, int column, Colour text);

    // Subitem prepaint: the colours of (record from the item's user value,
    // column).  True when a level had a colour; otherwise *colours holds the
    // defaults (kNoColour where unknown).
    bool ResolveColours(intptr_t itemParam, int column, DrawColours* colours);

    size_t RecordCount();

protected:
    virtual ItemData* CreateRecord() { return new ItemData; }

private:
    // Under the lock: the record behind a user value, or null.
    ItemData* Known(intptr_t param);
    ItemData* RecordOfRow(int row);

    ListViewAdapter& list_;
    std::mutex lock_;
    std::vector<ItemData*> records_;
    std::unordered_set<ItemData*> known_;
    Colour defaultBackground_ = kNoColour;
    Colour defaultText_ = kNoColour;
};

}  // namespace vantro
