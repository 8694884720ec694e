// Message boxes the sequencer shows to the operator.  The application binds
// this to the framework's message-box function; tests record the texts.
#pragma once

namespace vantro {

class UserMessages {
public:
    virtual ~UserMessages() = default;
    // A box with the default OK button; returns when the operator closed it.
    virtual void ShowMessageBox(const char* text) = 0;
};

}  // namespace vantro
