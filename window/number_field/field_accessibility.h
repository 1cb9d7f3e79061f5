// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of a number field: its name (accessibleName),
// its text, the caret and the selection, through Qt's accessibility
// interfaces; and the events that tell it of each change.
#pragma once

#include "window/number_field/field_text.h"

namespace window {

class NumberField;

// Registers the fields' accessibility interface with Qt, once.
void installNumberFieldAccessibility();

// The field's text, kept for announceNewText while a screen reader listens;
// otherwise nothing, so that the field's buffer may take the new text.
QString textToAnnounceAsFormer(const NumberField& field);

// Each tells an active screen reader of a change, and costs nothing otherwise.
void announceNewText(NumberField& field, const QString& former);
void announceChange(NumberField& field, const TextChange& change);
void announceCaret(NumberField& field, bool selectionChanged);

} // namespace window
