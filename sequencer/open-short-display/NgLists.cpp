// The counts of the "ITO Info" fields and the NG lists of the step's comment.
#include <algorithm>
#include <cstring>

#include "vantro/OpenShortResultDisplay.h"

namespace vantro {

namespace {

constexpr int kMaxListedNodes = 50;
constexpr int kMaxListedLines = 10;

// "a, b, c" with "..." right after the last item once the list was cut.
class ItemList {
public:
    explicit ItemList(int limit = -1) : limit_(limit) {}
    // False once the list is full (the item was not added; "..." was).
    bool Add(const std::string& item) {
        if (limit_ >= 0 && count_ == limit_) {
            text_ += "...";
            return false;
        }
        text_ += count_++ ? ", " + item : item;
        return true;
    }
    bool Empty() const { return count_ == 0; }
    const std::string& Text() const { return text_; }

private:
    int limit_;
    int count_ = 0;
    std::string text_;
};

bool Listed(int status) {
    return status != 1 && status != kLineBypassed;
}

}  // namespace

void WriteComment(char* comment, const std::string& text) {
    if (!comment)
        return;
    const size_t length = std::min(text.size(), static_cast<size_t>(kCommentSize - 1));
    std::memcpy(comment, text.data(), length);
    comment[length] = '\0';
}

int OpenShortResultDisplay::ChipCount() const {
    return std::clamp(records_.shared.chipCount, 1, kOsMaxChips);
}

bool OpenShortResultDisplay::MutualInBounds() const {
    const MutualBlock& m = records_.data.mutual;
    return m.width >= 1 && m.width <= kOsGridSide && m.height >= 1 && m.height <= kOsGridSide &&
           m.buttonCount >= 0 && m.buttonCount <= kOsMaxButtons;
}

bool OpenShortResultDisplay::SelfInBounds() const {
    const SelfBlock& s = records_.data.self;
    return s.width >= 0 && s.height >= 0 && s.buttonCount >= 0 && s.buttonCount <= kOsMaxButtons &&
           s.width + s.height + s.buttonCount <= kOsMaxChannels;
}

int OpenShortResultDisplay::NgLine(int index) const {
    return index >= 0 && index < kNgLineCount ? records_.ngLines.line[index] : kLineNone;
}

void OpenShortResultDisplay::ShowSelfCounts() {
    const SelfBlock& s = records_.data.self;
    view_.SetFieldNumber(kWidthField, s.width - records_.layout.overlapCount);
    view_.SetFieldNumber(kHeightField, s.height);
    view_.SetFieldNumber(kNgCountField, records_.data.ngCount);
}

void OpenShortResultDisplay::ShowMutualCounts() {
    const MutualBlock& m = records_.data.mutual;
    view_.SetFieldNumber(kWidthField, m.width - records_.layout.overlapCount);
    view_.SetFieldNumber(kHeightField, m.height);
    view_.SetFieldNumber(kNgCountField, records_.data.ngCount);
}

void OpenShortResultDisplay::AppendHardCalibrationFail(char* comment) {
    if (!comment)
        return;
    WriteComment(comment,
                 std::string(comment, strnlen(comment, kCommentSize - 1)) + " Hard Calibration Fail");
}

std::string OpenShortResultDisplay::SelfNgList() const {
    if (!SelfInBounds())
        return std::string();
    const SelfBlock& s = records_.data.self;
    // One chip lists its X channels first; several chips their Y channels.
    const bool xFirst = ChipCount() == 1;
    ItemList xs, ys, buttons;
    for (int i = 0; i < s.width + s.height; ++i) {
        const bool isX = xFirst ? i < s.width : i >= s.height;
        const int number = (isX ? (xFirst ? i : i - s.height) : (xFirst ? i - s.width : i)) + 1;
        if (s.channelStatus[i] != 1)
            (isX ? xs : ys).Add(std::to_string(number));
    }
    for (int b = 0; b < s.buttonCount; ++b)
        if (s.buttonStatus[b] != 1)
            buttons.Add(std::to_string(b + 1));
    const std::string& x = xs.Text();
    const std::string& y = ys.Text();
    const std::string& btn = buttons.Text();
    const int which = (xs.Empty() ? 0 : 1) | (ys.Empty() ? 0 : 2) | (buttons.Empty() ? 0 : 4);
    switch (which) {
        case 1:
            return " NG X Channel = " + x;
        case 2:
            return " NG Y Channel = " + y;
        case 4:
            return " NG Button Channel = " + btn;
        case 3:
            return " NG X Channel = " + x + " NG Y Channel = " + y + " ";
        case 5:
            return " NG X Channel = " + x + "  NG Button Channel = " + btn;
        case 6:
            return " NG Y Channel = " + y + "  NG Button Channel = " + btn;
        case 7:
            return " NG X Channel = " + x + " NG Y Channel = " + y + "  NG Button Channel = " + btn;
        default:
            return std::string();
    }
}

void OpenShortResultDisplay::AppendSelfNgList(char* comment) {
    const std::string lists = SelfNgList();
    if (!lists.empty())
        WriteComment(comment, lists);
}

std::string OpenShortResultDisplay::MutualNgList() const {
    if (!MutualInBounds())
        return std::string();
    const MutualBlock& m = records_.data.mutual;
    const ChipLayout& layout = records_.layout;
    ItemList nodes(kMaxListedNodes), buttons;
    for (int x = 0; x < m.width; ++x) {
        bool more = true;
        for (int y = 0; y < m.height && more; ++y)
            if (Listed(m.status[x * kOsGridSide + y]))
                more = nodes.Add("(" + std::to_string(x + 1) + "," + std::to_string(y + 1) + ")");
        if (!more)
            break;
    }
    for (int b = 0; b < m.buttonCount; ++b) {
        const int status = m.buttonStatus[b];
        if (Listed(status) && status != kNodeNotGiven)
            buttons.Add(std::to_string(b + 1));
    }
    std::string comment;
    if (!nodes.Empty() && !buttons.Empty())
        comment = " NG X/Y Node = " + nodes.Text() + ", NG Button = " + buttons.Text();
    else if (!nodes.Empty())
        comment = " NG X/Y Node = " + nodes.Text();
    else if (!buttons.Empty())
        comment = " NG Button = " + buttons.Text();
    if (!nodes.Empty() || !buttons.Empty())
        comment += " |";
    if (state_.selfShown != 0)
        return comment;

    ItemList xs(kMaxListedLines), ys(kMaxListedLines);
    for (int x = 0; x < m.width; ++x) {
        const int status = NgLine(x);
        if (status == kLineNone || status == kLineBypassed)
            continue;
        const char letter = layout.overlapMark[x] ? 'O' : 'X';
        if (!xs.Add(letter + std::to_string(layout.localChannel[x])))
            break;
    }
    const int segments = std::clamp(m.height ? records_.data.secondChipTotal / m.height : 1, 1, kOsMaxChips);
    for (int y = 0; y < m.height; ++y) {
        bool ng = false;
        for (int s = 0; s < segments && !ng; ++s) {
            const int status = NgLine(m.width + y + s * m.height);
            ng = status != kLineNone && status != kLineBypassed;
        }
        if (ng && !ys.Add(std::to_string(y + 1)))
            break;
    }
    if (!xs.Empty() && !ys.Empty())
        comment += " NG X Channel = " + xs.Text() + ", NG Y Channel = " + ys.Text();
    else if (!xs.Empty())
        comment += " NG X Channel = " + xs.Text();
    else if (!ys.Empty())
        comment += " NG Y Channel = " + ys.Text();
    return comment;
}

void OpenShortResultDisplay::AppendMutualNgList(char* comment) {
    if (MutualInBounds())
        WriteComment(comment, MutualNgList());
}

}  // namespace vantro
