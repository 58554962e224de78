#pragma once

#include <QIcon>
#include <QImage>

// The application's icon: a fountain of diamond particles over a dark tile.
QImage AppIconImage(int size);
// The icon in the sizes the desktop asks for.
QIcon AppIcon();
