#pragma once

#include <QKeySequence>
#include <QList>

struct Accelerator;

// The key sequences an accelerator answers to. Enter is both the main Return key and
// the keypad's Enter, as one virtual key covers both on Windows.
QList<QKeySequence> AcceleratorKeys(const Accelerator& accelerator);
