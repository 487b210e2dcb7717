#include "pages/drawingpages.h"

#include "pages/fieldchecks.h"
#include "pages/pageattach.h"
#include "pages/shapepage.h"
#include "ui/commandlink.h"
#include "ui/messages.h"
#include "ui/pagetabs.h"

namespace pages {

DrawingPages::DrawingPages(ui::PageTabs &tabs, ui::CommandLink &link, ui::Messages &messages)
    : QObject(&tabs)
{
    attachShapePages(tabs, link, messages);
    attachRectanglePage(tabs, link, messages);
    attachLinePage(tabs, link, messages);
    attachBarPage(tabs, link, messages);
    attachAxisPages(tabs, link, messages);
    attachDotPages(tabs, link, messages);
    attachStringPages(tabs, link, messages);
    installFieldChecks(tabs, messages);
}

} // namespace pages
