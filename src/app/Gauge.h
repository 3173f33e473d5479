#pragma once

namespace quillby {

// The splash window's progress gauge: a value held within a minimum and a maximum, shown as the
// part of a bar filled from the left.
class Gauge {
public:
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int value() const { return m_value; }

    // A maximum below the minimum, or a minimum above the maximum, is refused with an Error,
    // as the gauge of the original program refuses it.
    void setMaximum(int maximum);
    void setMinimum(int minimum);
    // A value below the minimum becomes the minimum, one above the maximum the maximum.
    void setValue(int value);

    // floor((value - minimum) * 100 / (maximum - minimum)), or 0 when the bounds are equal.
    int percent() const;

private:
    int m_min = 0;
    int m_max = 100;
    int m_value = 0;
};

} // namespace quillby
