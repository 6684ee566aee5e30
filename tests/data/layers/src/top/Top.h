#pragma once

#include <QWidget>

#include "mid/Mid.h"
#include "side/Side.h"
