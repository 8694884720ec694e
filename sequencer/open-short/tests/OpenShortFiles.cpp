#include "OpenShortFiles.h"

#include <algorithm>
#include <cstdio>

#include "test_support/TestFiles.h"

namespace vantro {
namespace test {

Rig::Rig() : data(new OpenShortData()) {
    ResetOpenShortData(*data);
    ClearNgLines(ng);
}

std::string WriteFile(const std::string& name, const std::string& text) {
    test_support::WriteBytes(name, text);
    return name;
}

std::string HeaderText(const Header& h) {
    std::string s = "NG Num," + std::to_string(h.ngCount) + ",\n";
    for (const std::string& row : h.before)
        s += row + "\n";
    s += h.width + "\n" + h.height + "\n" + "Button," + std::to_string(h.buttons) + ",\n";
    s += "(skipped)\n" + h.layoutRow + "\n";
    return s;
}

float DefaultValue(int table, int x, int y) {
    return static_cast<float>(table * 1000 + x * 10 + y);
}

namespace {

bool Has(const std::vector<int>& v, int n) {
    return std::find(v.begin(), v.end(), n) != v.end();
}

std::string DefaultCell(int table, int x, int y) {
    const int v = static_cast<int>(DefaultValue(table, x, y));
    if (table == 4)
        return std::to_string(v) + "(" + std::to_string(y) + ")";
    if (table == 8)
        return std::to_string(v) + "/" + std::to_string(v + 1);
    return std::to_string(v);
}

std::string Table(const MutualFile& f, int table) {
    std::string s;
    int written = 0;
    for (int y = 0; y < f.height; ++y) {
        if (Has(f.skipY, y))
            continue;
        if (f.tableRows >= 0 && written == f.tableRows)
            break;
        s += "Y" + std::to_string(y + 1) + ",";
        for (int x = 0; x < f.width; ++x)
            if (!Has(f.skipX, x))
                s += (f.cell ? f.cell(table, x, y) : DefaultCell(table, x, y)) + ",";
        s += "\n";
        ++written;
    }
    return s;
}

std::string Skip(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "(gap)\n";
    return s;
}

}  // namespace

std::string MutualText(const MutualFile& f) {
    Header h = f.header;
    h.buttons = static_cast<int>(f.buttonRows.size());
    std::string s = HeaderText(h);
    s += Skip(1) + Table(f, 1) + Skip(3) + Table(f, 2) + Skip(1);
    s += "Test,Voltage,=," + f.voltage + ",V\n";
    s += Skip(1) + Table(f, 3);
    if (!f.buttonRows.empty()) {
        s += Skip(2);
        for (const std::string& row : f.buttonRows)
            s += row + "\n";
    }
    s += Skip(3) + Table(f, 4) + Skip(1);
    if (f.ngRows)
        s += f.xNgRow + "\n" + f.yNgRow + "\n" + Skip(2);
    else
        s += "(no NG rows)\n";
    s += Skip(1) + Table(f, 5);
    if (f.golden)
        s += Skip(3) + Table(f, 6) + Skip(3) + Table(f, 7);
    else if (!f.ngRows)
        s += Skip(3) + Table(f, 8);
    return s;
}

std::string SelfText(const SelfFile& f) {
    Header h = f.header;
    h.buttons = f.buttons;
    std::string s = HeaderText(h);
    auto row = [&](const std::string& name, int i) {
        std::string r = name + "," + std::to_string(i * 10 + 1) + "," + std::to_string(i * 10 + 2) + "," +
                        std::to_string(i * 10 + 3) + "," + std::to_string(i % 3) + ",";
        r += f.goldenCells ? std::to_string(i * 10 + 5) + "," + std::to_string(i * 10 + 6) + ",," : ",";
        return r;
    };
    for (int i = 0; i < f.channels - f.missingLast; ++i)
        s += row("Ch" + std::to_string(i + 1), i) + "\n";
    if (f.buttons > 0 || f.missingLast == 0)
        s += "Btn\n";
    for (int b = 0; b < f.buttons; ++b)
        s += row("Btn" + std::to_string(b + 1), 100 + b) + "\n";
    if (!f.lastLineEnd && !s.empty())
        s.pop_back();
    return s;
}

}  // namespace test
}  // namespace vantro
