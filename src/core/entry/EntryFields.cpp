#include "core/entry/EntryFields.h"

#include <array>

namespace tarvo {

namespace {

using E = RegistrationEntry;
constexpr auto C = EntrySection::Common;
constexpr auto S = EntrySection::Shareware;

constexpr std::array<EntryField, 30> kFields { {
    { "authorId", "authorId", "作者名、或いはライブラリ作者番号", C, &E::authorId },
    { "submissionKind", "submissionKind", "新規ですか？それ以外ですか？", C },
    { "originalLibraryNumber", "originalLibraryNumber", "元のライブラリ番号", C, &E::originalLibraryNumber },
    { "softwareName", "softwareName", "ソフト名称", C, &E::softwareName },
    { "headline", "headline", "1行見出し", C, &E::headline },
    { "description", "description", "内容説明", C, nullptr, &E::description },
    { "archiveFileName", "archiveFileName", "アーカイブファイルの名前", C, &E::archiveFileName },
    { "publicationFileName", "publicationFileName", "インターネット・書籍公開用ファイル名", C,
        &E::publicationFileName },
    { "version", "version", "バージョン", C, &E::version },
    { "machine", "machine", "動作可能機種", C, &E::machine },
    { "operatingSystems", "operatingSystems", "動作可能OS", C },
    { "otherOs", "otherOs", "その他のOS", C, &E::otherOs },
    { "requiredSoftware", "requiredSoftware", "OS、配布ファイル以外に必要なソフト", C, &E::requiredSoftware },
    { "handling", "handling", "ソフトウェアの取り扱い", C, &E::handling },
    { "category", "category", "希望掲載ディレクトリ", C, &E::category },
    { "subcategory", "subcategory", "希望掲載ディレクトリ（第2階層）", C, &E::subcategory },
    { "fileLocation", "fileLocation", "ファイルの所在", C },
    { "fileLocationOther", "fileLocation.other", "ファイルの所在（その他）", C, &E::fileLocationOther },
    { "printPermission", "printPermission", "弊社出版物への掲載許諾", C },
    { "printRefusalReason", "printPermission.refusalReason", "弊社出版物への掲載許諾の理由", C,
        &E::printRefusalReason },
    { "webPermission", "webPermission", "弊社インターネットサイトでの公開許諾", C },
    { "webRefusalReason", "webPermission.refusalReason", "弊社インターネットサイトでの公開許諾の理由", C,
        &E::webRefusalReason },
    { "notes", "notes", "その他、弊社への連絡事項", C, nullptr, &E::notes },
    { "sharewareFee", "shareware.fee", "シェアウェア料金", S, &E::sharewareFee },
    { "sharewareConditions", "shareware.conditions", "シェアウェア利用条件/制限", S, nullptr, &E::sharewareConditions },
    { "bankRemittance", "shareware.bankRemittance", "銀行送金方法", S, &E::bankRemittance },
    { "postalRemittance", "shareware.postalRemittance", "郵便振替送金方法", S, &E::postalRemittance },
    { "registeredProductNumber", "shareware.registeredProductNumber", "レジ作品番号", S, &E::registeredProductNumber },
    { "niftyRemittance", "shareware.niftyRemittance", "Nifty送金方法", S, &E::niftyRemittance },
    { "otherRemittance", "shareware.otherRemittance", "その他の送金方法", S, &E::otherRemittance },
} };

} // namespace

std::span<const EntryField> entryFields()
{
    return kFields;
}

const EntryField* entryField(std::string_view keyOrJson)
{
    for (const EntryField& field : kFields) {
        if (field.key == keyOrJson || field.json == keyOrJson)
            return &field;
    }
    return nullptr;
}

} // namespace tarvo
