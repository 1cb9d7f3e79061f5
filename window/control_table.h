// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window: names, captions, places, colours, fonts
// and keyboard order, in twips as the window was drawn (1440 twips make one
// inch, so 15 twips make one pixel at 96 dots per inch).
#pragma once

#include <QRgb>

#include <optional>
#include <span>

namespace window {

enum class ControlKind {
    Label,
    NumberField,    // multi-line plain text field
    PrecisionField, // single-line field
    Button,
};

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* caption; // UTF-8; "&" marks the access key
    int left;
    int top;
    int width;
    int height;
    std::optional<QRgb> background; // a solid button colour, else the system's
    double pointSize;
    bool italic;
    int tabIndex; // order of the keyboard focus, 0 first
};

inline constexpr int TwipsPerInch = 1440;
inline constexpr int ClientWidthTwips = 8970;
inline constexpr int ClientHeightTwips = 5205;

// Every control, from the top of the window to the bottom.
std::span<const ControlRow> controlTable();

// The help menu and its entries, in order.
struct MenuEntryRow {
    const char* name;
    const char* caption;
};
inline constexpr MenuEntryRow HelpMenu{"mnuAide", "&?"};
std::span<const MenuEntryRow> helpMenuEntries();

} // namespace window
