// CListCtrlEx: the result list.  A record per row (the item's user value) and
// per coloured cell, drawn through custom draw; the records are shared with
// the sequence worker, which fills the list while the GUI thread paints.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/ListCtrl.h"
#include "MsgHook.h"
#include "vantro/ListRecords.h"

class CListCtrlEx : public CListCtrl {
public:
    using ItemData = vantro::ItemData;
    using CellInfo = vantro::CellInfo;

    CListCtrlEx();
    ~CListCtrlEx() override;

    void SetRowValue(int row, int value) { records_.SetRowValue(row, value); }
    void FreeAllRowRecords() { records_.FreeAllRowRecords(); }
    void FreeRowRecord(int row) { records_.FreeRowRecord(row); }
    void SetCellColors(int row, int column, COLORREF text) { records_.SetCellColors(row, column, text); }
    vantro::ListRecords& Records() { return records_; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCustomDraw(NMLVCUSTOMDRAW* draw, LRESULT* result) override;
    bool OnDblClk(NMITEMACTIVATE* item, LRESULT* result) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // Tab past the last cell: no row is added.
    virtual int OnAddRowAtEnd() { return 0; }

private:
    class Adapter : public vantro::ListViewAdapter {
    public:
        explicit Adapter(CListCtrlEx& list) : list_(list) {}
        int ItemCount() override { return list_.GetItemCount(); }
        int ColumnCount() override { return list_.GetColumnCount(); }
        intptr_t ItemParam(int row) override { return static_cast<intptr_t>(list_.GetItemData(row)); }
        void SetItemParam(int row, intptr_t param) override {
            list_.SetItemData(row, static_cast<DWORD_PTR>(param));
        }

    private:
        CListCtrlEx& list_;
    };

    Adapter adapter_{*this};
    vantro::ListRecords records_{adapter_};
    CMsgHook msgHook_;
    int deleteKeyEnabled_ = 0;
    int sortColumn_ = -1;
};
