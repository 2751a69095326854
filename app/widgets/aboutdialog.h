#pragma once

#include "aboutframedialog.h"

// The program's version, what it is and who makes it, with a link to its
// web site: the setting "HomepageUrl" (QUENROW_HOMEPAGE_URL first). The
// close button ends it with 255, Esc with 0.
class AboutDialog : public AboutFrameDialog
{
    Q_OBJECT

public:
    static constexpr int ClosedByTitleBar = 255;

    explicit AboutDialog(QWidget *parent = nullptr);

    static QString version();
    static QString homepageUrl();
};
