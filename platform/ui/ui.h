#pragma once

// Everything a form needs.
#include "platform/ui/application.h"
#include "platform/ui/buttons.h"
#include "platform/ui/containers.h"
#include "platform/ui/control_array.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/focus_return.h"
#include "platform/ui/form.h"
#include "platform/ui/graphics.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/menu.h"
#include "platform/ui/text_controls.h"
