// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>

// The widget box icons of the kit widgets, each a small drawing of the widget.
// They are painted into pixmaps at the sizes Designer shows: Designer takes
// only an icon with pixmaps of its own, and shows its generic icon for one
// that would paint itself at any size.
namespace KitWidgetIcon {

enum Kind { PushButton, ToolButton, ClickableLabel, ClickToEdit, ComboBox };

QIcon icon(Kind kind);

} // namespace KitWidgetIcon
