#include "core/guidance/AboutTexts.h"

#include "core/guidance/LinkSettings.h"
#include "core/guidance/WebLinks.h"

namespace tarvo {

const AboutTexts& aboutTexts()
{
    static const AboutTexts texts {
        .title = "Tarvo Registration System",
        .subtitle = "タルヴォ簡易登録テキスト文書作成システム",
        .mailLine = "メール   " TARVO_AUTHOR_MAIL,
        .homePage = homePageCaption(),
        .newestVersion = "にて、最新版が手に入ります。",
        // The trailing blank is part of the drawn name.
        .studio = "Velmo Studio ",
        .presentedBy = "Presented by " TARVO_AUTHOR_NAME,
    };
    return texts;
}

} // namespace tarvo
