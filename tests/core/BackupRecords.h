#pragma once

#include "TestSupport.h"

#include "core/backup/BackupFolder.h"
#include "core/backup/BackupList.h"
#include "core/text/Lines.h"

#include <string>
#include <vector>

namespace tarvo::test {

// A well-formed record, one line per lines field, so that row n is line n - 1.
inline std::vector<std::string> commonRows()
{
    return {
        sj("#山川 一郎"),
        "#1",
        "#PS000123",
        sj("#ファイル名とは別"),
        sj("#一行見出し"),
        "@desc",
        "#sync.lzh",
        "#sync.lzh",
        "#1.02",
        sj("#汎用"),
        "#011000NT3.51",
        "#VB5",
        sj("#シェアウェア"),
        sj("#ユーティリティ"),
        sj("#ファイル管理"),
        "#3http://x/",
        "#1beta",
        "#0",
        "@notes",
    };
}

inline std::vector<std::string> sharewareRows()
{
    return { "#1000", "@cond", "#bank", "#postal", "#SR01234", "#nifty", "#other" };
}

inline std::vector<std::string> fullRows()
{
    auto rows = commonRows();
    const auto shareware = sharewareRows();
    rows.insert(rows.end(), shareware.begin(), shareware.end());
    return rows;
}

// An entry whose every field holds a text no backup row above holds, so that a
// field the restore leaves alone is seen.
inline RegistrationEntry sentinelEntry()
{
    RegistrationEntry e;
    e.authorId = "old-author";
    e.submissionKind = 2;
    e.originalLibraryNumber = "old-original";
    e.softwareName = "chosen";
    e.headline = "old-headline";
    e.description = "old-description\r\n";
    e.archiveFileName = "old-archive";
    e.publicationFileName = "old-publication";
    e.version = "old-version";
    e.machine = "old-machine";
    e.supportedOs = { true, true, true, true, true, true };
    e.otherOs = "old-os";
    e.requiredSoftware = "old-required";
    e.changeHandling(sj("フリーウェア"));
    e.category = "old-category";
    e.subcategory = "old-subcategory";
    e.fileLocation = 1;
    e.fileLocationOther = "old-location";
    e.printPermission = 1;
    e.printRefusalReason = "old-print";
    e.webPermission = 1;
    e.webRefusalReason = "old-web";
    e.notes = "old-notes\r\n";
    e.sharewareFee = "777";
    e.sharewareConditions = "old-conditions\r\n";
    e.bankRemittance = "old-bank";
    e.postalRemittance = "old-postal";
    e.registeredProductNumber = "old-product";
    e.niftyRemittance = "old-nifty";
    e.otherRemittance = "old-other";
    e.visibility = { true, true, true, true };
    return e;
}

inline RegistrationEntry restoredFrom(const std::string& bytes, RegistrationEntry entry = sentinelEntry())
{
    restoreBackup(bytes, entry);
    return entry;
}

inline RegistrationEntry restoredFrom(const std::vector<std::string>& rows, RegistrationEntry entry = sentinelEntry())
{
    return restoredFrom(joinLines(rows), std::move(entry));
}

} // namespace tarvo::test
