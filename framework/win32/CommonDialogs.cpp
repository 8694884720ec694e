#include "framework/CommonDialogs.h"

#include <shlobj.h>

#include <cstdio>

FileDialogSpec OpenFileSpec(const std::string& filter, const std::string& title) {
    FileDialogSpec spec;
    spec.open = true;
    spec.filter = filter;
    spec.title = title;
    spec.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return spec;
}

FileDialogSpec SaveFileSpec(const std::string& defaultExt, const std::string& defaultName,
                            const std::string& filter) {
    FileDialogSpec spec;
    spec.open = false;
    spec.defaultExt = defaultExt;
    spec.defaultName = defaultName;
    spec.filter = filter;
    spec.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return spec;
}

std::vector<char> FilterForDialog(const std::string& filter) {
    std::vector<char> result(filter.begin(), filter.end());
    for (char& c : result) {
        if (c == '|')
            c = '\0';
    }
    // However the text ended, it ends in two NULs.
    while (result.size() < 2 || result[result.size() - 1] != '\0' || result[result.size() - 2] != '\0')
        result.push_back('\0');
    return result;
}

void FillOpenFileName(const FileDialogSpec& spec, HWND owner, char* pathBuffer, size_t pathSize,
                      std::vector<char>* filterStorage, OPENFILENAMEA* ofn) {
    *filterStorage = FilterForDialog(spec.filter);
    std::snprintf(pathBuffer, pathSize, "%s", spec.defaultName.c_str());
    *ofn = OPENFILENAMEA{};
    ofn->lStructSize = sizeof *ofn;
    ofn->hwndOwner = owner;
    ofn->lpstrFilter = spec.filter.empty() ? nullptr : filterStorage->data();
    ofn->nFilterIndex = 1;
    ofn->lpstrFile = pathBuffer;
    ofn->nMaxFile = static_cast<DWORD>(pathSize);
    ofn->lpstrTitle = spec.title.empty() ? nullptr : spec.title.c_str();
    ofn->lpstrDefExt = spec.defaultExt.empty() ? nullptr : spec.defaultExt.c_str();
    ofn->Flags = spec.flags | OFN_EXPLORER;
}

bool ChooseFile(const FileDialogSpec& spec, HWND owner, std::string* path) {
    PromptRequest request;
    request.kind = spec.open ? PromptKind::OpenFile : PromptKind::SaveFile;
    request.caption = spec.title;
    request.style = spec.flags;
    request.filter = spec.filter;
    request.defaultName = spec.defaultName;
    request.defaultExt = spec.defaultExt;
    PromptReply reply;
    if (PromptScript::Intercept(request, &reply)) {
        if (reply.button != IDOK)
            return false;
        *path = reply.path;
        return true;
    }
    char buffer[MAX_PATH] = {};
    std::vector<char> filter;
    OPENFILENAMEA ofn;
    FillOpenFileName(spec, owner, buffer, sizeof buffer, &filter, &ofn);
    BOOL chosen = spec.open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    if (!chosen)
        return false;
    *path = buffer;
    return true;
}

bool BrowseForFolder(HWND owner, const std::string& title, std::string* path) {
    PromptRequest request;
    request.kind = PromptKind::FolderBrowser;
    request.caption = title;
    request.style = BIF_RETURNONLYFSDIRS;
    PromptReply reply;
    if (PromptScript::Intercept(request, &reply)) {
        if (reply.button != IDOK)
            return false;
        *path = reply.path;
        return true;
    }
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    char display[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    bool ok = false;
    if (LPITEMIDLIST item = SHBrowseForFolderA(&info)) {
        char chosen[MAX_PATH] = {};
        if (SHGetPathFromIDListA(item, chosen)) {
            *path = chosen;
            ok = true;
        }
        CoTaskMemFree(item);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return ok;
}
