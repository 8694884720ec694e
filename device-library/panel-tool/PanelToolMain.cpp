#include <cstdio>

#include "PanelTool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string out;
    std::string err;
    int code = portaq_sim::RunPanelTool(args, &out, &err);
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    return code;
}
