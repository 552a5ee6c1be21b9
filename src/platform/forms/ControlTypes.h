#pragma once
// Enumerations and small value types shared by the controls, named as on the platform so that
// form data (`Align = alTop`, `BevelOuter = bvNone`, `Style = csDropDownList`) reads directly.

#include "platform/core/TAlignment.h"

#include <QFlags>

namespace ger {

// How a control sits in its parent: alNone keeps its own bounds; the others are laid out by
// the parent (top, bottom, left, right, then client, in that order; see TWinControl::Realign).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Border of a form; TBorderStyle (panels, scroll boxes, edits) uses its first two values.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

enum TTextLayout { tlTop, tlCenter, tlBottom };

// Mouse cursors: the platform's numbering (negative for the stock cursors).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

} // namespace ger
