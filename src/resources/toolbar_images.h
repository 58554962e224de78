#pragma once

#include <QIcon>

// The toolbar's 16 by 15 pixel images: New, Open, Save, About.
QIcon ToolbarImage(int index);
