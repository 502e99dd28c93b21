#include "guidance/Guidance.h"

#include "guidance/LinkSettings.h"
#include "text/Cp932.h"

namespace tarvo {

const AboutTexts& aboutTexts()
{
    static const AboutTexts texts {
        .title = "Tarvo Registration System",
        .subtitle = cp932FromUtf8("タルヴォ簡易登録テキスト文書作成システム"),
        .mailLine = cp932FromUtf8("メール   " TARVO_AUTHOR_MAIL),
        .homePage = homePageCaption(),
        .newestVersion = cp932FromUtf8("にて、最新版が手に入ります。"),
        // The trailing blank is part of the drawn name.
        .studio = "Velmo Studio ",
        .presentedBy = cp932FromUtf8("Presented by " TARVO_AUTHOR_NAME),
    };
    return texts;
}

} // namespace tarvo
