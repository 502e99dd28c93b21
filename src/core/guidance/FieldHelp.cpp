#include "core/guidance/FieldHelp.h"

namespace tarvo {

// "これも同じです。" and "これも同様です。" refer to the field above theirs, and
// the blank that ends the conditions' text belongs to it.
const std::array<FieldHelp, kHelpTopicCount>& fieldHelpTexts()
{
    // Each text on one line, to compare with its source at a glance.
    // clang-format off
    static constexpr std::array<FieldHelp, kHelpTopicCount> texts{ {
        {HelpTopic::Headline, "そのソフトの印象を強く与えるように一行で説明して下さい。"},
        {HelpTopic::ArchiveFileName, "例えば、「xyz」というソフトだったらネット上で公開した時には圧縮とか普通していますので「xyz.lzh」「xyz.zip」とかなってますよね。このファイル名を記入します。"},
        {HelpTopic::PublicationFileName, "タルヴォを通して雑誌などから掲載依頼が来た時に雑誌に載せる時のファイル名をあらかじめ決めておきます。大抵は雑誌の編集部から直接聞いてくるので後で変えることもできますが、一応入力しておきます。一般には全部半角英語の小文字で書くようです。"},
        {HelpTopic::Machine, "通常は「汎用」と書きます。詳しくは、「書き方のヘルプ」をどうぞ。"},
        {HelpTopic::Notes, "何かあれば書きます。「正式版完成のときには書籍へも入れていいです。 」などのように書きます。"},
        {HelpTopic::SharewareFee, "500円～15000円の範囲内で自分のソフトの価格を設定します。実際に支払われる料金は違うので右の「計算」ボタンを押してみましょう。"},
        {HelpTopic::SharewareConditions, "書き方の例としては、「試用期限は2週間までです。それを過ぎると起動時に送金をうながすダイアログが表示されます。銀行振込や郵便振替の場合は解除キーを送付するメールアドレスか住所を一緒に送付してください。」のような感じで書いて下さい。 "},
        {HelpTopic::BankRemittance, "お金を振り込む銀行名と口座番号を記入します。「ABC銀行 練馬支店 普通 1234567 山川 一郎」のような感じで書きます。"},
        {HelpTopic::PostalRemittance, "これも同じです。必須ではありません。「振込口座 230-4-518294 山川 一郎」のように書きます。"},
        {HelpTopic::RegisteredProductNumber, "Tarvoから正式に受けたルミペイ作品番号を記入して下さい。"},
        {HelpTopic::NiftyRemittance, "Nifty Serveの送金代行システムを御利用する方は「○○番」のように記入して下さい。但し、Nifty Serveに申し込んでないと記入できません！"},
        {HelpTopic::OtherRemittance, "これも同様です。"},
    } };
    // clang-format on
    return texts;
}

std::string_view fieldHelpFor(HelpTopic topic)
{
    for (const FieldHelp& help : fieldHelpTexts()) {
        if (help.topic == topic)
            return help.text;
    }
    return {};
}

} // namespace tarvo
