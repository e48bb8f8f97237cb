#pragma once

// The slider's arithmetic along its axis (x when horizontal, y when vertical), apart from any
// widget. `length` is the control's size along the axis, `thumbLength` the thumb's.

// Offset of the thumb's leading edge for `position`: (position - min) * (length - thumbLength)
// / (max - min), truncated; 0 when max == min.
int trackThumbOffset(int position, int min, int max, int length, int thumbLength);

// Offset across the axis that centres the thumb: max(0, size - thumbSize) / 2.
int trackThumbCross(int size, int thumbSize);

// The position under point `p`: the nearest integer to (p - thumbLength / 2) * (max - min)
// / (length - thumbLength), halves going to the even neighbour, plus min, held within min..max.
// The quotient counts 0 when the thumb is as long as the control.
int trackPositionAt(int p, int min, int max, int length, int thumbLength);

// Nearest integer to numerator / denominator, halves to even; exact for every int64 pair.
long long roundHalfEven(long long numerator, long long denominator);

// A page step toward the pointer that never passes the pointer's position: forward when the
// pointer lies beyond the thumb's leading edge, backward when before it, no move when on it.
int trackStepToward(int position, int step, int pointer, int thumbOffset, int pointerPosition);

// Clamps `value` into lo..hi, with hi winning when the range is empty.
int trackClamp(int value, int lo, int hi);
