#pragma once
// The program's own icon (a handheld radio), in every size the desktop asks for.

#include <QIcon>

QIcon applicationIcon();
