// The result outputs the canvas writes: the verdict file, the end-of-test
// screenshot and the point log.
#pragma once

namespace trelliq {

class CanvasOutputs {
public:
    virtual ~CanvasOutputs() = default;
    // "LinearResult.txt" with the given result; false when not written.
    virtual bool WriteLinearResult(int result) = 0;
    // The finished screen as a JPEG in [AutoModeInfo] SaveResultPath.
    virtual void SaveTestScreenshot() = 0;
    // One line of the point log, when it is open.
    virtual void LogPoint(int x, int y) = 0;
};

}  // namespace trelliq
