# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# find_package(PicturebookWidgets) gives the target Picturebook::Widgets.
include(CMakeFindDependencyMacro)
find_dependency(Qt6 6.4 COMPONENTS Widgets)
include(${CMAKE_CURRENT_LIST_DIR}/PicturebookWidgetsTargets.cmake)
