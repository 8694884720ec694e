// A display over a record that the tests fill: a view and a map surface that
// record what they are told, and a painter that records its calls.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vantro/OpenShortResultDisplay.h"
#include "vantro/QuietSettingsParts.h"

namespace vantro {

struct RecordingFields : OperationsView {
    std::map<int, std::string> texts;
    void SetFieldText(int id, const char* text) override { texts[id] = text; }
    void SetFieldNumber(int id, int value) override { texts[id] = std::to_string(value); }
    void ShowBox(const char*, const char*) override {}
};

struct RecordingSurface : MapSurface {
    int screenWidth = 1920;
    int draws = 0, shows = 0, hides = 0;
    std::string text;
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = false;
    void RequestDraw() override { ++draws; }
    int ScreenWidth() override { return screenWidth; }
    void ShowTooltip(const std::string& t, int left, int top, int w, int h) override {
        ++shows;
        visible = true;
        text = t;
        x = left;
        y = top;
        width = w;
        height = h;
    }
    void HideTooltip() override {
        ++hides;
        visible = false;
    }
};

struct PaintCall {
    explicit PaintCall(std::string what, int a = 0, int b = 0, int c = 0, int d = 0, MapPen pen = {},
                       Rgb brush = {}, std::string text = std::string())
        : what(std::move(what)), a(a), b(b), c(c), d(d), pen(pen), brush(brush), text(std::move(text)) {}
    std::string what;  // "clear", "frame", "line", "rect", "text"
    int a, b, c, d;
    MapPen pen;
    Rgb brush;
    std::string text;
};

struct RecordingPainter : MapPainter {
    std::vector<PaintCall> calls;
    MapPen pen{};
    void Clear(int, int) override { calls.emplace_back("clear"); }
    void Frame(int l, int t, int r, int b) override { calls.emplace_back("frame", l, t, r, b); }
    void SelectPen(const MapPen& p) override { pen = p; }
    void Line(int x1, int y1, int x2, int y2) override { calls.emplace_back("line", x1, y1, x2, y2, pen); }
    void Rectangle(int l, int t, int r, int b, Rgb brush) override {
        calls.emplace_back("rect", l, t, r, b, pen, brush);
    }
    void Text(int x, int y, const std::string& text) override {
        calls.emplace_back("text", x, y, 0, 0, MapPen{}, Rgb{}, text);
    }
    std::vector<PaintCall> Of(const std::string& what) const {
        std::vector<PaintCall> found;
        for (const PaintCall& call : calls)
            if (call.what == what)
                found.push_back(call);
        return found;
    }
};

struct DisplayRig {
    NoMessages messages;
    NoWindow window;
    NoFolders folders;
    NoDate date;
    SettingsContext settings{messages, window, folders, date};
    OperationsState state;
    std::unique_ptr<OpenShortData> data{new OpenShortData()};
    std::unique_ptr<ChipLayout> layout{new ChipLayout()};
    std::unique_ptr<NgLineStatus> ngLines{new NgLineStatus()};
    RecordingFields fields;
    RecordingSurface surface;
    OpenShortResultDisplay display{
        settings, state, OpenShortRecords{*data, *layout, *ngLines, settings.shared}, fields, surface};

    DisplayRig() {
        ResetOpenShortData(*data);
        ClearChipLayout(*layout);
        ClearNgLines(*ngLines);
        for (int i = 0; i < kOsGridSide; ++i)
            layout->localChannel[i] = i + 1;
        settings.settings.InitMod.ShowMutResult = 1;
    }
    // A mutual result of width x height, every node status, shown.
    void Mutual(int width, int height, int status = 1) {
        MutualBlock& m = data->mutual;
        m.width = width;
        m.height = height;
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y)
                m.status[x * kOsGridSide + y] = status;
        data->firstChipTotal = width;
        data->secondChipTotal = height;
        state.mutualShown = 1;
    }
    void Self(int width, int height, std::vector<int> statuses, std::vector<int> buttons = {}) {
        SelfBlock& s = data->self;
        s.width = width;
        s.height = height;
        s.buttonCount = static_cast<int>(buttons.size());
        for (size_t i = 0; i < statuses.size(); ++i)
            s.channelStatus[i] = statuses[i];
        for (size_t b = 0; b < buttons.size(); ++b)
            s.buttonStatus[b] = buttons[b];
        state.selfShown = 1;
    }
    int& Node(int x, int y) { return data->mutual.status[x * kOsGridSide + y]; }
};

}  // namespace vantro
