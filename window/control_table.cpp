// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/control_table.h"

#include <array>

namespace window {
namespace {

constexpr QRgb Yellow = qRgb(255, 255, 0);
constexpr QRgb Magenta = qRgb(255, 0, 255);
constexpr QRgb DarkRed = qRgb(192, 0, 0);
constexpr std::optional<QRgb> SystemColour;

using K = ControlKind;

// clang-format off
constexpr std::array Controls{
    //          name         kind               caption                                   left  top   width height colour       points italic tab
    ControlRow{"Label1",    K::Label,          "        a :",                              480,    0,  615,  735, SystemColour, 9.75, false,  3},
    ControlRow{"Text1",     K::NumberField,    "",                                        1080,  120, 7095,  495, SystemColour, 8.25, false, 22},
    ControlRow{"Command13", K::Button,         "C",                                       8280,  120,  495,  495, SystemColour, 8.25, false, 24},
    ControlRow{"Label2",    K::Label,          "Label2",                                     0,  840,   15,  375, SystemColour, 8.25, false,  4},
    ControlRow{"Label3",    K::Label,          "        b:",                               480,  840,  615,  495, SystemColour, 9.75, false,  5},
    ControlRow{"Text2",     K::NumberField,    "",                                        1080,  960, 7095,  495, SystemColour, 8.25, false, 23},
    ControlRow{"Command15", K::Button,         "C",                                       8280,  960,  495,  495, SystemColour, 8.25, false, 25},
    ControlRow{"Command1",  K::Button,         "a + b",                                    240, 1560,  855,  615, Yellow,       9.75, false,  6},
    ControlRow{"Command2",  K::Button,         "a - b",                                   1440, 1560,  855,  615, Yellow,       9.75, false,  7},
    ControlRow{"Command3",  K::Button,         "a * b",                                   2640, 1560,  855,  615, Yellow,       9.75, false,  8},
    ControlRow{"Command4",  K::Button,         "a / b",                                   3840, 1560,  855,  615, Yellow,       9.75, false,  9},
    ControlRow{"Command5",  K::Button,         "a exposant (b)",                          5160, 1560, 1695,  615, Yellow,       9.75, false, 10},
    ControlRow{"Command6",  K::Button,         "b !",                                     7080, 1560,  855,  615, Yellow,       9.75, false, 12},
    ControlRow{"Command10", K::Button,         "Nombre de chiffres du résultat",          4440, 2160, 2055,  495, SystemColour, 9.75, false, 15},
    ControlRow{"Command18", K::Button,         "Somme des chiffres du résultat puissance b",
                                                                                           6600, 2160, 1935,  615, SystemColour, 8.25, false, 27},
    ControlRow{"Command12", K::Button,         "Mettre le résultat dans a",               1800, 2280, 2655,  375, SystemColour, 9.75, false, 18},
    ControlRow{"Label4",    K::Label,          "Résultat :",                               240, 2400, 1335,  375, SystemColour, 9.75, false, 11},
    ControlRow{"Text3",     K::NumberField,    "",                                         120, 2760, 8055,  615, SystemColour, 8.25, false, 21},
    ControlRow{"Command16", K::Button,         "C",                                       8280, 2760,  495,  615, SystemColour, 8.25, false, 26},
    ControlRow{"Command7",  K::Button,         "Vers le calculateur analogue en PHP sur le site",
                                                                                           1080, 3360, 2055, 1095, Magenta,      9.75, false, 13},
    ControlRow{"Command17", K::Button,         "Vers le site TORMEL",                        0, 3480,  975,  735, Magenta,      8.25, false,  2},
    ControlRow{"Command8",  K::Button,         "Enregistrer le résultat dans un fichier", 3600, 3480, 2175,  735, SystemColour, 9.75, true,  19},
    ControlRow{"Command14", K::Button,         "Date et Heure",                           6000, 3480, 1215,  615, SystemColour, 9.75, true,   1},
    ControlRow{"Quitter",   K::Button,         "&Quitter",                                7200, 3480, 1095,  495, SystemColour, 9.75, true,   0},
    ControlRow{"Command9",  K::Button,         "Ackerman(a,b)",                           4320, 4320, 1695,  375, SystemColour, 9.75, false, 14},
    ControlRow{"Command19", K::Button,         "Les nombres r-narcissiques parfaits",     6360, 4320, 2055,  855, DarkRed,      8.25, false, 28},
    ControlRow{"Label5",    K::Label,          "Précision pour la division  (50 chiffres par défaut; augmenter si l'on veut)",
                                                                                            120, 4440, 2655,  735, SystemColour, 9.75, false, 16},
    ControlRow{"Text4",     K::PrecisionField, "",                                        3000, 4680, 1215,  375, SystemColour, 9.75, false, 17},
    ControlRow{"Command11", K::Button,         "Fonction d' Ackerman",                    4320, 4680, 1695,  495, Magenta,      9.75, false, 20},
};

constexpr std::array MenuEntries{
    MenuEntryRow{"mnuApropos", "&A propos"},
    MenuEntryRow{"mnuInfo",    "&Information"},
    MenuEntryRow{"mnuAker",    "&Fonction d' Akerman (définition)"},
    MenuEntryRow{"mnuHtml",    "Fichier &web mode d'emploi"},
    MenuEntryRow{"mnuVer",     "&Version 1.1"},
};
// clang-format on

} // namespace

std::span<const ControlRow> controlTable() {
    return Controls;
}

std::span<const MenuEntryRow> helpMenuEntries() {
    return MenuEntries;
}

} // namespace window
