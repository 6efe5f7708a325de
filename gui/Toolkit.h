// Everything an application uses of the gadget toolkit: start it with StartGuiDriver(), then
// make and change gadgets with the module functions.
#pragma once

#include "DriverFunctions.h"
#include "GadgetConstants.h"
#include "GadgetCreation.h"
#include "GadgetEvents.h"
#include "GadgetFunctions.h"
#include "GadgetItemFunctions.h"
#include "HotKey.h"
#include "TextAreaFunctions.h"
#include "ToolkitStart.h"
#include "WindowFunctions.h"
#include "gui/localization/LocalizationFunctions.h"
