#pragma once

#include "core/errors/RuntimeError.h"

#include <string>
#include <utility>

namespace tarvo {

// How a command of the system ends and what the author is told. The window
// shows it in a box, the command-line tool prints it; the rule of each lives in
// one place of its own (showOutcome, RegTextTool::report).
struct Outcome {
    enum class Kind {
        Success, // done; a plain message box when there is something to say
        Refused, // a check said no; a plain message box
        Failed, // a run-time failure; the application error box
    };

    Kind kind = Kind::Success;
    // What the author reads (UTF-8): the plain message, empty when a success
    // has nothing to say, or the bare run-time message of a failure (the box
    // adds its full stop).
    std::string message;

    static Outcome success(std::string utf8Message = {}) { return { Kind::Success, std::move(utf8Message) }; }
    static Outcome refused(std::string utf8Message) { return { Kind::Refused, std::move(utf8Message) }; }
    static Outcome failed(const RuntimeError& failure) { return { Kind::Failed, failure.message() }; }

    bool succeeded() const { return kind == Kind::Success; }

    friend bool operator==(const Outcome&, const Outcome&) = default;
};

} // namespace tarvo
