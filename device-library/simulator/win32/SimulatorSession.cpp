#include "SimulatorSession.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Journal.h"

namespace portaq_sim {

namespace {

struct DeviceHandle {
    HANDLE handle;
    int label;
    std::string marker;  // delete-on-close file: gone once the caller closed the handle
};

CRITICAL_SECTION* ProcessLock() {
    static CRITICAL_SECTION* lock = [] {
        auto* section = new CRITICAL_SECTION;
        InitializeCriticalSection(section);
        return section;
    }();
    return lock;
}

// Never destroyed: the library is used until the process detaches it.
portaq_sim::Controller* g_controller = nullptr;
std::string g_folder;
std::vector<DeviceHandle>* g_handles = new std::vector<DeviceHandle>;
int g_lastLabel = 0;

// The folder as a Windows program names it; a Linux path is on drive Z: under Wine.
std::string FolderFromEnvironment() {
    char buffer[MAX_PATH * 2];
    DWORD length = GetEnvironmentVariableA(portaq_sim::kStateFolderVariable, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        return std::string();
    std::string folder(buffer, length);
    if (!folder.empty() && folder[0] == '/') {
        for (char& c : folder)
            if (c == '/')
                c = '\\';
        folder = "Z:" + folder;
    }
    return folder;
}

std::string MutexName(const std::string& folder) {
    // FNV-1a over the case-folded path: one mutex per panel, whatever the spelling's case.
    unsigned long long hash = 1469598103934665603ull;
    for (char c : folder) {
        char lower = (c == '/') ? '\\' : (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        hash = (hash ^ static_cast<unsigned char>(lower)) * 1099511628211ull;
    }
    char name[64];
    std::snprintf(name, sizeof name, "Local\\PortaqSimPanel-%016llx", hash);
    return name;
}

bool HandleStillOpen(const DeviceHandle& entry) {
    return GetFileAttributesA(entry.marker.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void ReportError(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

SessionLock::SessionLock() {
    EnterCriticalSection(ProcessLock());
    std::string folder = FolderFromEnvironment();
    if (folder.empty())
        return;
    mutex_ = CreateMutexA(nullptr, FALSE, MutexName(folder).c_str());
    if (!mutex_)
        return;
    // An abandoned mutex (a process killed inside a call) is ours all the same:
    // every file it may have been writing is replaced atomically.
    DWORD wait = WaitForSingleObject(mutex_, 15000);
    if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) {
        ReportError("Portaq: panel lock not obtained within 15 s; going on without it");
        CloseHandle(mutex_);
        mutex_ = nullptr;
    }
}

SessionLock::~SessionLock() {
    if (mutex_) {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
    }
    LeaveCriticalSection(ProcessLock());
}

portaq_sim::Controller* CurrentController() {
    std::string folder = FolderFromEnvironment();
    if (folder.empty())
        return nullptr;
    if (!g_controller || folder != g_folder) {
        delete g_controller;
        g_controller = new portaq_sim::Controller(portaq_sim::StateFolder(folder),
                                                  static_cast<long>(GetCurrentProcessId()), ReportError);
        g_folder = folder;
    }
    return g_controller;
}

HANDLE NewDeviceHandle(int* label) {
    if (!g_controller)
        return nullptr;
    int next = g_lastLabel + 1;
    char name[64];
    std::snprintf(name, sizeof name, "handle-%lu-%d.open", static_cast<unsigned long>(GetCurrentProcessId()),
                  next);
    std::string marker = g_controller->Folder().FilePath(name);
    HANDLE handle =
        CreateFileA(marker.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        ReportError("Portaq: cannot create the device handle " + marker);
        return nullptr;
    }
    g_lastLabel = next;
    g_handles->push_back({handle, next, marker});
    *label = next;
    return handle;
}

void DiscardNewDeviceHandle(HANDLE handle) {
    DropDeviceHandle(handle);
    --g_lastLabel;
}

void DropDeviceHandle(HANDLE handle) {
    for (auto it = g_handles->begin(); it != g_handles->end(); ++it) {
        if (it->handle == handle) {
            CloseHandle(handle);
            g_handles->erase(it);
            return;
        }
    }
}

int LabelOf(HANDLE handle) {
    // The newest entry first: a closed handle's value may come back for a later open.
    for (auto it = g_handles->rbegin(); it != g_handles->rend(); ++it)
        if (it->handle == handle && HandleStillOpen(*it))
            return it->label;
    return 0;
}

std::string UnclosedHandles() {
    std::string list;
    for (const auto& entry : *g_handles) {
        if (!HandleStillOpen(entry))
            continue;
        if (!list.empty())
            list += ",";
        list += "#" + std::to_string(entry.label);
    }
    return list.empty() ? "none" : list;
}

void JournalDetach() {
    if (!g_controller)
        return;
    std::string line =
        portaq_sim::FormatJournalLine(static_cast<long>(GetCurrentProcessId()), g_controller->Chip(),
                                      "DLL_PROCESS_DETACH unclosed=" + UnclosedHandles());
    portaq_sim::AppendToFile(g_controller->Folder().JournalPath(), line + "\n");
}

}  // namespace portaq_sim
