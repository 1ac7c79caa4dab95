// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cli/commandline.h"

#include "platform/store/database.h"
#include "platform/store/location.h"
#include "platform/system/programinfo.h"
#include "rules/errors.h"
#include "rules/postal/sources.h"
#include "rules/slip/sliplayout.h"
#include "rules/slip/trackingnumber.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QtGlobal>

namespace rova::cli
{

namespace
{

QCommandLineOption helpOption()
{
    return {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("この説明を表示して終わります。")};
}
QCommandLineOption versionOption()
{
    return {{QStringLiteral("v"), QStringLiteral("version")},
            QStringLiteral("名前と版を表示して終わります。")};
}
QCommandLineOption dataDirOption()
{
    return {QStringLiteral("data-dir"), QStringLiteral("ファイルを DIR に置きます (なければ作ります)。"),
            QStringLiteral("DIR")};
}
QCommandLineOption zipcodeDirOption()
{
    return {QStringLiteral("zipcode-dir"),
            QStringLiteral("郵便番号の一覧 (%1) を DIR から読みます。").arg(QLatin1String(postal::kTownFile)),
            QStringLiteral("DIR")};
}

QCommandLineOption databaseOption()
{
    return {QStringLiteral("database"),
            QStringLiteral(
                "一括印刷の一覧と印刷履歴を、データフォルダのファイルではなく PostgreSQL サーバー URI"
                " (例: postgresql://packer@192.0.2.10/shop) に置きます。パスワードは ~/.pgpass から。"),
            QStringLiteral("URI")};
}

QCommandLineOption importOption()
{
    return {QStringLiteral("import"),
            QStringLiteral(
                "後に続く注文ファイル FILE… を一括印刷の一覧に加えて、ファイルごとに結果を1行表示します。")};
}
QCommandLineOption allowDuplicatesOption()
{
    return {QStringLiteral("allow-duplicates"),
            QStringLiteral(
                "--import で、重複する行 (同じ注文番号、番号のない行は同じお届け先と品名) も加えます。")};
}
QCommandLineOption printBatchOption()
{
    return {QStringLiteral("print-batch"),
            QStringLiteral("一覧のチェックされた未印刷の行を、確認の印がある行を除いて印刷します。")};
}
QCommandLineOption includeMarkedOption()
{
    return {QStringLiteral("include-marked"),
            QStringLiteral("--print-batch で、確認の印がある行も印刷します。")};
}

QCommandLineOption nextNumberOption()
{
    return {QStringLiteral("next-number"),
            QStringLiteral("プリンタにある次の送り状の伝票番号を NUMBER として登録して終わります"
                           " (ハイフン・空白・全角も可)。"),
            QStringLiteral("NUMBER")};
}
QCommandLineOption slipTypeOption()
{
    return {QStringLiteral("slip-type"),
            QStringLiteral("--next-number の送り状の種類 (既定は画面で最後に使った種類)。"),
            QStringLiteral("NAME")};
}
QCommandLineOption exportNoticesOption()
{
    return {QStringLiteral("export-notices"),
            QStringLiteral("印刷した送り状の出荷通知を、モールごとに1ファイルずつ FOLDER に書き出します"
                           " (まだ書き出していない送り状だけ)。"),
            QStringLiteral("FOLDER")};
}
QCommandLineOption allNoticesOption()
{
    return {QStringLiteral("all"),
            QStringLiteral("--export-notices で、書き出し済みの送り状ももう一度書き出します。")};
}

// Every option, in the order the help lists them.
QList<QCommandLineOption> options()
{
    return {helpOption(),          versionOption(),    dataDirOption(),         zipcodeDirOption(),
            databaseOption(),      importOption(),     allowDuplicatesOption(), printBatchOption(),
            includeMarkedOption(), nextNumberOption(), slipTypeOption(),        exportNoticesOption(),
            allNoticesOption()};
}

// Two columns: what is typed (ASCII, so it lines up in a terminal) and what it means.
QString row(const QString& left, const QString& right)
{
    return QStringLiteral("  %1 %2\n").arg(left, -20).arg(right);
}

QString spelled(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString sourceText(datafolder::Source source)
{
    switch (source) {
    case datafolder::Source::Option:
        return QStringLiteral("--data-dir による");
    case datafolder::Source::Environment:
        return QStringLiteral("ROVA_DATA_DIR による");
    case datafolder::Source::Default:
        break;
    }
    return QStringLiteral("既定の場所");
}

// A value option given last has nothing to take: say which it is, in the operator's language.
std::optional<QString> missingValue(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return {};
    for (const QCommandLineOption& option : options()) {
        if (option.valueName().isEmpty())
            continue;
        for (const QString& name : option.names()) {
            if (arguments.last() == spelled(name))
                return QStringLiteral("%1 の後に %2 を指定してください")
                    .arg(spelled(name), option.valueName());
        }
    }
    return {};
}

Request mistake(const QString& text)
{
    Request request;
    request.action = Request::Action::Mistake;
    request.mistake = text;
    return request;
}

// The batch options, which run without a window; a mistake in them as its text.
std::optional<QString> readBatch(const QCommandLineParser& parser, Request& request)
{
    request.allowDuplicates = parser.isSet(allowDuplicatesOption());
    request.printBatch = parser.isSet(printBatchOption());
    request.includeMarked = parser.isSet(includeMarkedOption());
    if (parser.isSet(importOption())) {
        request.importFiles = parser.positionalArguments();
        if (request.importFiles.isEmpty())
            return QStringLiteral("--import の後に注文ファイルを指定してください");
    } else if (request.allowDuplicates) {
        return QStringLiteral("--allow-duplicates は --import と一緒に指定してください");
    }
    if (request.includeMarked && !request.printBatch)
        return QStringLiteral("--include-marked は --print-batch と一緒に指定してください");
    if (parser.isSet(importOption()) || request.printBatch)
        request.action = Request::Action::Batch;
    return {};
}

// The number of the next blank form; a wrong number or slip type as its text.
std::optional<QString> readNextNumber(const QCommandLineParser& parser, Request& request)
{
    request.slipType = parser.value(slipTypeOption());
    if (!parser.isSet(nextNumberOption()))
        return parser.isSet(slipTypeOption())
                   ? std::optional(QStringLiteral("--slip-type は --next-number と一緒に指定してください"))
                   : std::nullopt;
    if (parser.isSet(slipTypeOption()) && !slip::slipTypes().contains(request.slipType))
        return QStringLiteral("送り状の種類「%1」はありません (%2)")
            .arg(request.slipType, slip::slipTypes().join(QStringLiteral("、")));
    try {
        request.nextNumber = tracking::parse(parser.value(nextNumberOption()));
    } catch (const Error& e) {
        return e.message();
    }
    request.action = Request::Action::NextNumber;
    return {};
}

// The notice options; a mistake in them as its text.
std::optional<QString> readNotices(const QCommandLineParser& parser, Request& request)
{
    request.allNotices = parser.isSet(allNoticesOption());
    if (!parser.isSet(exportNoticesOption()))
        return request.allNotices ? std::optional<QString>(
                                        QStringLiteral("--all は --export-notices と一緒に指定してください"))
                                  : std::nullopt;
    if (request.action != Request::Action::Run)
        return QStringLiteral(
            "--export-notices は --import・--print-batch・--next-number と一緒には指定できません");
    request.noticeFolder = parser.value(exportNoticesOption());
    if (request.noticeFolder.isEmpty())
        return QStringLiteral("--export-notices のフォルダが空です");
    request.action = Request::Action::Notices;
    return {};
}

} // namespace

void quietQtMessages()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            print(stderr, message + u'\n');
    });
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

QStringList arguments(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

Request parse(const QStringList& arguments)
{
    if (const auto missing = missingValue(arguments))
        return mistake(*missing);
    QCommandLineParser parser;
    parser.addOptions(options());
    if (!parser.parse(arguments)) {
        QStringList unknown;
        for (const QString& name : parser.unknownOptionNames())
            unknown << spelled(name);
        if (!unknown.isEmpty())
            return mistake(
                QStringLiteral("不明なオプションです: %1").arg(unknown.join(QStringLiteral(", "))));
        return mistake(QStringLiteral("引数が正しくありません: %1").arg(parser.errorText()));
    }
    Request request;
    // Read before help, whose text names the folder in effect.
    request.dataDir = parser.value(dataDirOption());
    if (parser.isSet(dataDirOption()) && request.dataDir.isEmpty())
        return mistake(QStringLiteral("--data-dir のフォルダが空です"));
    request.zipcodeDir = parser.value(zipcodeDirOption());
    if (parser.isSet(zipcodeDirOption()) && request.zipcodeDir.isEmpty())
        return mistake(QStringLiteral("--zipcode-dir のフォルダが空です"));
    request.database = parser.value(databaseOption());
    if (parser.isSet(databaseOption()) && request.database.trimmed().isEmpty())
        return mistake(QStringLiteral("--database の URI が空です"));
    if (parser.isSet(helpOption()))
        request.action = Request::Action::Help;
    else if (parser.isSet(versionOption()))
        request.action = Request::Action::Version;
    else if (const auto wrong = readBatch(parser, request))
        return mistake(*wrong);
    else if (const auto wrongNumber = readNextNumber(parser, request))
        return mistake(*wrongNumber);
    else if (const auto wrongNotice = readNotices(parser, request))
        return mistake(*wrongNotice);
    if (request.action == Request::Action::NextNumber && (parser.isSet(importOption()) || request.printBatch))
        return mistake(QStringLiteral("--next-number は --import・--print-batch と一緒には指定できません"));
    if ((request.action == Request::Action::Run || request.action == Request::Action::Notices) &&
        !parser.positionalArguments().isEmpty())
        return mistake(
            QStringLiteral("余分な引数があります: %1").arg(parser.positionalArguments().join(' ')));
    return request;
}

QList<HelpRow> optionRows()
{
    QList<HelpRow> rows;
    for (const QCommandLineOption& option : options()) {
        QStringList names;
        for (const QString& name : option.names())
            names << spelled(name);
        const QString value =
            option.valueName().isEmpty() ? QString() : QLatin1Char(' ') + option.valueName();
        rows.append({names.join(QStringLiteral(", ")) + value, option.description()});
    }
    return rows;
}

QList<HelpRow> fileRows()
{
    return {
        {QStringLiteral("rova_Yamato.ini"), QStringLiteral("画面の状態")},
        {QStringLiteral("rova_a500.ini"), QStringLiteral("送り状の種類ごとのプリンタと余白")},
        {QStringLiteral("my[0-9].txt"), QStringLiteral("登録した 10 件のご依頼主")},
        {QStringLiteral("rova-yamato.conf"),
         QStringLiteral("ファイルを選んだフォルダ、出荷通知の値、キー %1 に共有のデータベースサーバーなど、"
                        "新しい設定")
             .arg(store::locationVariable())},
        {store::databaseFileName(),
         QStringLiteral("一括印刷の一覧と印刷の履歴 (お届け先の名前・住所・電話番号。--database・%1 が"
                        "ないとき)")
             .arg(store::locationVariable())},
        {QLatin1String(postal::kCacheFile),
         QStringLiteral("郵便番号の一覧の索引 (消しても次の起動で作ります)")},
        {QStringLiteral("rova_Yamato.lock"), QStringLiteral("動いている rova-yamato の印")}};
}

QList<HelpRow> environmentRows()
{
    return {{QStringLiteral("ROVA_DATA_DIR"), QStringLiteral("--data-dir がないときのデータフォルダ")},
            {store::locationVariable(),
             QStringLiteral("--database がないときのデータベースサーバー (PostgreSQL の接続 URI)")},
            {QLatin1String(postal::kFolderVariable),
             QStringLiteral("--zipcode-dir がないときの郵便番号の一覧のフォルダ (既定 %1)")
                 .arg(QLatin1String(postal::kDefaultFolder))},
            {QStringLiteral("XDG_CONFIG_HOME"),
             QStringLiteral("既定のデータフォルダはこの下の %1 (未設定なら ~/.config/%1)")
                 .arg(datafolder::folderName())}};
}

QList<HelpRow> exitStatusRows()
{
    return {{QString::number(Success),
             QStringLiteral("画面を閉じた、説明や版を表示した、動いている画面を前に"
                            "出した、一覧への追加・印刷・登録・出荷通知の書き出しを終えた")},
            {QString::number(Failure),
             QStringLiteral("画面に接続できない、ファイルを読めない・書けない、印刷できなかった")},
            {QString::number(UsageError), QStringLiteral("コマンドラインの誤り、正しくない伝票番号")}};
}

QString summaryText()
{
    return QStringLiteral("ヤマト宅急便の送り状に、お届け先・ご依頼主・品名などを印刷します。");
}

QString secondStartText()
{
    return QStringLiteral(
        "同じデータフォルダで動いている画面があれば、それを前に出して (最小化していれば元に戻して) "
        "終わります。");
}

QString helpText(const datafolder::Choice& folder)
{
    const auto section = [](const QString& title, const QList<HelpRow>& rows) {
        QString text = QStringLiteral("\n%1:\n").arg(title);
        for (const HelpRow& r : rows)
            text += row(r.left, r.right);
        return text;
    };
    QString text = QStringLiteral("使い方: %1 [オプション]\n%2\n%3\n")
                       .arg(programinfo::command(), summaryText(), secondStartText());
    text += section(QStringLiteral("オプション"), optionRows());
    text += section(
        QStringLiteral("ファイル (データフォルダ %1、%2)").arg(folder.path, sourceText(folder.source)),
        fileRows());
    text += section(QStringLiteral("環境変数"), environmentRows());
    text += section(QStringLiteral("終了ステータス"), exitStatusRows());
    return text;
}

QString versionText()
{
    return QStringLiteral("rova 送り状印刷 (ヤマト宅急便) %1\n").arg(programinfo::version());
}

std::optional<int> answerWithoutWindow(const Request& request, const datafolder::Choice& folder)
{
    switch (request.action) {
    case Request::Action::Run:
    case Request::Action::Batch:
    case Request::Action::NextNumber:
    case Request::Action::Notices:
        return {};
    case Request::Action::Help:
        print(stdout, helpText(folder));
        return Success;
    case Request::Action::Version:
        print(stdout, versionText());
        return Success;
    case Request::Action::Mistake:
        break;
    }
    print(stderr, QStringLiteral("%1: %2\n使い方は %1 --help で表示されます。\n")
                      .arg(programinfo::command(), request.mistake));
    return UsageError;
}

} // namespace rova::cli
