// MenuItem::PopUp lives with the service that shows the menu: the menu model
// sits below the dialogs and knows nothing of how a menu is shown.
#include "framework/dialogs/UiService.h"
#include "framework/menus/MenuItem.h"

MenuItem* MenuItem::PopUp(int32_t x, int32_t y) {
    return uiService().popUpMenu(*this, x, y);
}
