#pragma once

namespace quillby {

// Where an import tells how far it has come, in the steps of a progress bar: the window's
// progress bar, the command line's progress line, or a test's record. An import sets the
// position to 0, the minimum to 0 and the maximum to its number of lines, in that order, then
// the position to the index of each line before it handles that line.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setPosition(int position) = 0;
    virtual void setMin(int min) = 0;
    virtual void setMax(int max) = 0;
};

// For callers that do not show progress.
class NoProgress final : public ProgressSink {
public:
    void setPosition(int) override {}
    void setMin(int) override {}
    void setMax(int) override {}
};

} // namespace quillby
