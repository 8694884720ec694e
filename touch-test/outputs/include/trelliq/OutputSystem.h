// What the result outputs need from the platform: the canvas's capture and
// repaint, the image conversion, file operations by name, the save-file
// dialog and the current folder.  win32/ binds them; tests script them.
#pragma once

#include <string>

namespace trelliq {

struct SaveDialogRequest {
    std::string defaultExt;
    std::string defaultName;  // empty: the dialog opens without one
    std::string filter;       // "name|pattern||"
};

class OutputSystem {
public:
    virtual ~OutputSystem() = default;
    // Invalidates (erasing) and updates the canvas window now.
    virtual void RepaintCanvas() = 0;
    // The canvas's (0, 0, CanvasWidth - 1, CanvasHeight - 1) as a ".bmp".
    virtual bool CaptureCanvas(const char* bmpPath) = 0;
    // The image in the format the target's extension names.
    virtual bool ConvertImage(const char* source, const char* target) = 0;
    virtual bool Exists(const char* path) = 0;
    virtual bool Delete(const char* path) = 0;
    // Overwrites an existing target.
    virtual bool Copy(const char* from, const char* to) = 0;
    // Replaces an existing target in one step; fails while a reader holds it.
    virtual bool RenameReplacing(const char* from, const char* to) = 0;
    // True and *path when the operator chose a file (the path may be empty).
    virtual bool ChooseSaveFile(const SaveDialogRequest& request, std::string* path) = 0;
    virtual std::string CurrentFolder() = 0;
};

}  // namespace trelliq
