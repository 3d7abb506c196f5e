// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#include "ClockSync.h"
#include "DateEntry.h"
#include "Numbers.h"
#include "QuickHelp.h"
#include "Reorder.h"
#include "SkedName.h"
#include "SkedTiming.h"
#include "Text.h"
#include "Timers.h"

#include <QDateTime>
#include <QTest>

#include <clocale>
#include <functional>
#include <map>

namespace {

// The rules that take one text, or a few pieces of one separated by commas, and give one text;
// "-" stands for no value. The texts written for the results come first.
// clang-format off
std::string text(const std::string& value) { return value; }
std::string text(std::int64_t value) { return std::to_string(value); }
std::string text(const CivilDate& d) { return QDate(d.year, d.month, d.day).toString(Qt::ISODate).toStdString(); }
std::string text(const ReorderKey& k) { return text(k.date) + QString::asprintf(" %02d:%02d", k.hour, k.minute).toStdString(); }
template <typename T> std::string text(const std::optional<T>& value) { return value ? text(*value) : "-"; }
std::string number(double value) { return QByteArray::number(value).toStdString(); }
std::string piece(const std::string& in, int index) { return QString::fromStdString(in).section(u',', index, index).toStdString(); }
SkedEntry row(const std::string& in) { return {piece(in, 0), piece(in, 1), "m", false}; }
// minutes=as stored
std::string offsetResult(const std::optional<int>& minutes) { return minutes ? text(std::int64_t(*minutes)) + "=" + offsetText(*minutes) : "-"; }
ShownValues at(const QDateTime& t) { return {t.toString(u"hh:mm:ss").toStdString(), t.toString(u"hhmm").toStdString(), {t.date().year(), t.date().month(), t.date().day()}}; }
QString shown(const QDateTime& t, bool utc, int offset) { const ShownValues v = shownValues({t.date().year(), t.date().month(), t.date().day()}, {t.time().hour(), t.time().minute(), t.time().second()}, utc, offset); return QString::fromStdString(v.time + ' ' + v.hhmm + ' ' + text(v.date)); }

const std::map<QString, std::function<std::string(const std::string&)>> kRules = {
    {"date",           [](const std::string& in) { return text(readSkedDate(in, 2026)); }},
    // the current year,date
    {"date in",        [](const std::string& in) { return text(readSkedDate(piece(in, 1), std::stoi(piece(in, 0)))); }},
    {"weekly step",    [](const std::string& in) { return text(weeklyStep(in, 2026)); }},
    // yyyy-mm-dd,days
    {"add days",       [](const std::string& in) { const QDate d = QDate::fromString(QString::fromStdString(piece(in, 0)), Qt::ISODate); return text(addDays({d.year(), d.month(), d.day()}, std::stoi(piece(in, 1)))); }},
    // date,time,the hhmm shown on 5 December 2026
    {"due",            [](const std::string& in) { return isDue(row(in), {"", piece(in, 2), {2026, 12, 5}}) ? "due" : "-"; }},
    // date,time
    {"key",            [](const std::string& in) { return text(reorderKey(row(in), 2026)); }},
    // rows "flag date time" separated by ";": the sked held back and the later one above it
    {"out of order",   [](const std::string& in) { SkedTable t; int slot = 0; for (const QString& r : QString::fromStdString(in).split(u';')) t.setRow(slot++, {r.section(u' ', 1, 1).toStdString(), r.section(u' ', 2, 2).toStdString(), "m", r.startsWith(u'S')}); const auto o = firstOutOfOrder(t, 2026); return o ? std::to_string(o->held) + ">" + std::to_string(o->later) : "-"; }},
    {"never rings",    [](const std::string& in) { const std::string why = whyNeverRings(row(in), 2026); return why.empty() ? "-" : why; }},
    {"number",         [](const std::string& in) { return number(leadingNumber(in)); }},
    {"half even",      [](const std::string& in) { return number(roundHalfEven(std::stod(in))); }},
    {"int32",          [](const std::string& in) { return text(roundToInt32(std::stod(in))); }},
    {"offset",         [](const std::string& in) { return offsetResult(offsetFromText(in)); }},
    {"answer",         [](const std::string& in) { return offsetResult(offsetFromAnswer(in)); }},
    {"time text",      [](const std::string& in) { return formatTimeText(in); }},
    // date,time,the second shown as yyyy-MM-ddThh:mm:ss
    {"past due",       [](const std::string& in) { return text(secondsPastDue(row(in), at(QDateTime::fromString(QString::fromStdString(piece(in, 2)), Qt::ISODate)))); }},
    {"time left",      [](const std::string& in) { return timeLeftText(std::stoll(in)); }},
    // time,seconds past it,utc or local
    {"late",           [](const std::string& in) { const std::string line = lateLine({"", piece(in, 0), "", false}, std::stoll(piece(in, 1)), piece(in, 2) == "utc"); return line.empty() ? "-" : line; }},
    // seconds left,minutes ahead
    {"reminder",       [](const std::string& in) { return isReminderDue(std::stoll(piece(in, 0)), std::stoi(piece(in, 1))) ? "now" : "-"; }},
    {"minutes",        [](const std::string& in) { return text(minutesFromText(in, 1440)); }},
    {"remaining",      [](const std::string& in) { return remainingText(std::stoll(in)); }},
    {"countdown",      [](const std::string& in) { return text(countdownFromAnswer(in)); }},
    {"stopwatch",      [](const std::string& in) { StopwatchCount c; for (int n = std::stoi(in); n > 0; --n) c.tick(); return text(c.hours) + ":" + text(c.minutes) + ":" + text(c.seconds); }},
    // offset,utc or local: the lines that follow the offset, between five fixed lines and twelve
    {"quick help",     [](const std::string& in) { const QStringList help = QString::fromStdString(quickHelpText(std::stoi(piece(in, 0)), piece(in, 1) == "utc")).split(QStringLiteral("\r\n")); return help.mid(5, help.size() - 17).join(QStringLiteral(" / ")).toStdString(); }},
    {"help begins",    [](const std::string&) { return QString::fromStdString(quickHelpText(0, true)).section(QStringLiteral("\r\n"), 0, 1).toStdString(); }},
    {"sked name",      [](const std::string& in) { return text(skedNameFrom(in)); }},
    {"extension only", [](const std::string& in) { return isExtensionOnlyName(in) ? "yes" : "no"; }},
    {"utf-8",          [](const std::string& in) { return isValidUtf8(in) ? "ok" : "bad"; }},
    {"cp1252",         [](const std::string& in) { const std::string utf8 = cp1252ToUtf8(in); return utf8ToCp1252(utf8) == in ? utf8 : "not the same bytes back"; }},
    {"to cp1252",      [](const std::string& in) { return text(utf8ToCp1252(in)); }},
    // the kernel's result,status,maximum error,estimated error in microseconds
    {"clock",          [](const std::string& in) { const long max = std::stol(piece(in, 2)); return clockHealthText(clockState(std::stoi(piece(in, 0)), std::stoi(piece(in, 1)), max), std::stol(piece(in, 3)), max); }},
};

void ruleRow(const char* rule, const char* name, const char* in, const char* out) { QTest::newRow(name) << QString::fromLatin1(rule) << QByteArray(in) << QByteArray(out); }
// clang-format on

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    // Each row tries one rule on a few inputs separated by "|" and lists the results the same way.
    // clang-format off
    void rules_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<QByteArray>("out");
        ruleRow("date", "written loosely", "12/05/26|2/4/04|12/05/2026| 12/05/26 ", "2026-12-05|2004-02-04|2026-12-05|2026-12-05");
        ruleRow("date", "a hundred years around the current one", "01/01/00|06/30/29|06/30/30|12/31/99|01/01/75|01/01/76", "2000-01-01|2029-06-30|2030-06-30|1999-12-31|2075-01-01|1976-01-01");
        ruleRow("date in", "the window moves with the year", "2031,01/01/80|2031,01/01/81|2031,01/05/30|2031,12/31/99|2031,01/01/00|2031,06/30/29|2031,01/05/1930|2100,02/29/00|2049,02/29/00", "2080-01-01|1981-01-01|2030-01-05|1999-12-31|2000-01-01|2029-06-30|1930-01-05|-|2000-02-29");
        ruleRow("date", "29 February in leap years", "02/29/28|02/29/27|02/29/00", "2028-02-29|-|2000-02-29");
        ruleRow("date", "day and month ranges", "00/10/26|13/01/26|12/00/26|04/31/26|04/30/26|12/31/26", "-|-|-|-|2026-04-30|2026-12-31");
        ruleRow("date", "digit counts, no date", "123/05/26|12/123/26|12/05/6|12/05/026|12/05/20261|/05/26|12-05-26|12/0526|tomorrow||12/05/26x|1a/05/26", "-|-|-|-|-|-|-|-|-|-|-|-");
        ruleRow("weekly step", "a week on, dates as the due test reads them", "02/25/04|12/28/99|2/4/04|13/01/04", "03/03/04|01/04/00|02/11/04|-");
        ruleRow("add days", "1 February back a day", "2026-02-01,-1", "2026-01-31");
        ruleRow("add days", "1 March back", "2024-03-01,-1|2026-03-01,-1|2000-03-01,-1|2100-03-01,-1", "2024-02-29|2026-02-28|2000-02-29|2100-02-28");
        ruleRow("add days", "month and year ends both ways, many days or none", "2026-12-05,0|2026-12-05,400|2026-12-05,-400|2026-03-02,-1|2027-01-01,-1|2026-12-31,1|2024-02-29,1|2026-02-28,1|2026-04-30,1|2026-05-01,-1", "2026-12-05|2028-01-09|2025-10-31|2026-03-01|2026-12-31|2027-01-01|2024-03-01|2026-03-01|2026-05-01|2026-04-30");
        ruleRow("due", "the minute and the day", "12/05/26,1430,1429|12/05/26,1430,1430|12/04/26,2359,0000|12/06/26,0000,2359|12/05/30,0000,0000|12/05/99,0000,0000|12/05/29,0000,2359|5 Dec,2359,0000", "-|due|due|-|-|due|-|-");
        ruleRow("due", "short times padded", "12/05/26,930,0929|12/05/26,930,0930|12/05/26,5,0005|12/05/26,9:30,2359|12/05/26,ab,2359|12/05/26,14 3,1430", "-|due|due|-|-|due");
        ruleRow("never rings", "what keeps a filled row from ringing", "12/05/26,1430|12/05/26,|12/05/26, |31/12/26,1430|010130,1200|12/05/26,2400|12/05/26,1260|12/05/26,14h0|12/05/26,930|12/05/26, 930 |12/05/26,2359", "-|the time is missing|the time is missing|the date is not a date|the date is not a date|the time is not a time of day|the time is not a time of day|the time is not a time of day|-|-|-");
        ruleRow("out of order", "pending skeds only, by day and minute", "- 12/05/26 1400;- 12/05/26 1300|- 12/05/26 1300;- 12/05/26 1400|- 12/06/26 0100;- 12/05/26 2300|S 12/06/26 0100;- 12/05/26 2300|- 12/05/26 1400;- 12/05/26 1400|- 12/31/29 2359;- 01/05/30 0000;- 12/20/26 1400", "1>0|-|1>0|-|-|2>0");
        ruleRow("key", "what rings, sorts", "12/05/26,1430|01/01/30,2359|02/29/04,0000|01/01/04,930|1/5/04,1200|01/05/2004,1200", "2026-12-05 14:30|2030-01-01 23:59|2004-02-29 00:00|2004-01-01 09:30|2004-01-05 12:00|2004-01-05 12:00");
        ruleRow("key", "what never rings", "01/01/04,2400|01/01/04,1260|01/01/04,9:30|02/29/03,1200|Done,1200|01/01/04,", "-|-|-|-|-|-");
        ruleRow("number", "sign, blanks, decimals", "5|+3|-4|  7  |5.5|.5|12.|-0.5|90.09", "5|3|-4|7|5.5|0.5|12|-0.5|90.09");
        ruleRow("number", "stops where it cannot go on, or is none", "3h|1.2.3|1 2|2,5|1e3|abc||-|- 5|\t5", "3|1.2|1|2|1|0|0|0|0|0");
        ruleRow("half even", "halves to even, others to the nearest", "2.5|3.5|-0.5|-1.5|-2.5|2.49|2.51|-2.51", "2|4|0|-2|-2|2|3|-3");
        ruleRow("int32", "32-bit range", "2147483647|2147483648|-2147483648|-2147483649|inf", "2147483647|-|-2147483648|-|-");
        ruleRow("offset", "whole, half, quarter, either sign", "6|-5|5.5|-5.75|12.75|0.25|-0.25|-0.5|0|+3| 7 ", "360=6|-300=-5|330=5.5|-345=-5.75|765=12.75|15=0.25|-15=-0.25|-30=-0.5|0=0|180=3|420=7");
        ruleRow("offset", "to the nearest quarter, halves to the even one", "5.125|5.375|5.625|5.875|-5.125|-5.375|5.1|5.13|4.5", "300=5|330=5.5|330=5.5|360=6|-300=-5|-330=-5.5|300=5|315=5.25|270=4.5");
        ruleRow("offset", "a day at most, a number at least", "24|24.1|-24|24.2|-25|40000|abc||-|+|.5|3h", "1440=24|1440=24|-1440=-24|-|-|-|-|-|-|-|30=0.5|180=3");
        ruleRow("answer", "minutes after a colon, a decimal comma, either sign, blanks around", "-5:30|5:45|-5,5|+3:30| 6 |5:59|5:07|5:08", "-330=-5.5|345=5.75|-330=-5.5|210=3.5|360=6|360=6|300=5|315=5.25");
        ruleRow("answer", "decimals to the nearest quarter, exactly", "5.125|5.375|-5.375|5.126|5.1251|5.12500", "300=5|330=5.5|-330=-5.5|315=5.25|315=5.25|300=5");
        ruleRow("answer", "a day at most", "24|24:15|24:07|-24:08|-24.126|99999999999", "1440=24|-|1440=24|-|-|-");
        ruleRow("answer", "nothing before, between or after the number", "UTC+2|5h|--5||- 5|5 5|5:3|5:60|5:+3|5.|5.5h|.5|1e3", "-|-|-|-|-|-|-|-|-|-|-|-|-");
        ruleRow("time text", "digits, and other texts as they stand", "1430|930|0005|5|0000|00930||ab|14 3|14:3", "14:30|09:30|00:05|00:05|00:00|09:30||ab|14 3|14:3");
        ruleRow("past due", "across a day, a month, a leap day, a year", "12/05/26,1430,2026-12-05T14:29:00|12/05/26,1430,2026-12-05T14:30:00|12/05/26,930,2026-12-05T09:31:01|12/31/26,2359,2027-01-01T00:00:00|02/28/28,2300,2028-03-01T00:00:00|03/01/27,0000,2027-02-28T23:59:59", "-60|0|61|60|90000|-1");
        ruleRow("past due", "what cannot ring", "31/12/26,1430,2026-12-05T14:30:00|12/05/26,2400,2026-12-05T14:30:00|12/05/26,,2026-12-05T14:30:00", "-|-|-");
        ruleRow("time left", "seconds in the last minute, then minutes, hours, days", "1|59|60|119|3599|3600|7980|86399|86400|90061|0|-5", "in 1 s|in 59 s|in 1 min|in 1 min|in 59 min|in 1 h 0 min|in 2 h 13 min|in 23 h 59 min|in 1 d 0 h 0 min|in 1 d 1 h 1 min|due now|due now");
        ruleRow("late", "after a minute, in the time base", "1430,60,utc|1430,61,utc|1430,61,local|930,7500,utc|0005,3600,local", "-|Due 14:30 UTC, 1 min late|Due 14:30 local, 1 min late|Due 09:30 UTC, 2 h 5 min late|Due 00:05 local, 1 h 0 min late");
        ruleRow("reminder", "from its moment until the sked is due", "301,5|300,5|1,5|0,5|-30,5|30,0", "-|now|now|-|-|-");
        ruleRow("minutes", "whole minutes up to a day", "0| 5 |1440|1441|-5|5.5|5 min||abc|99999999999", "0|5|1440|-|-|-|-|-|-|-");
        ruleRow("remaining", "countdown", "0|59|60|75|6000|-5", "00:00|00:59|01:00|01:15|100:00|00:00");
        ruleRow("countdown", "seconds", "90| 1.5 |2.5|2147483647|2147483648|99999999999", "90|2|2|2147483647|-|-");
        ruleRow("countdown", "m:ss, h:mm:ss", "1:30|0:59|100:00|1:00:00|596523:14:07|596523:14:08", "90|59|6000|3600|2147483647|-");
        ruleRow("countdown", "refused", "abc|1:3|1:60|1:60:00|:30|1::30|1:00:00:00|-5|1e3|5s|1.|", "-|-|-|-|-|-|-|-|-|-|-|-");
        ruleRow("stopwatch", "carries", "59|60|3599|3600", "0:0:59|0:1:0|0:59:59|1:0:0");
        ruleRow("quick help", "the offset's lines", "0,utc|300,utc|-180,local|-330,utc", "Enter your UTC hour offset. / Select UTC in the menu to use this offset.|You have a 5 hour offset selected.|You have a -3 hour offset selected. / Select UTC in the menu to use this offset.|You have a -5.5 hour offset selected.");
        ruleRow("help begins", "with its first two lines", "", "The alarms follow the sequence in the sked table.\r\nEnter the scheduled events in chronological order.");
        ruleRow("sked name", "after the last separator at position 5 or later", "/home/op/skeds.dat|C:\\data\\net.dat|/a/b\\c/d.dat|/home/op/|skeds.dat|C:\\skeds.dat|abc/x.dat|abcd/x.dat|/skeds.dat|éé/x", "skeds.dat|net.dat|d.dat||-|-|-|x.dat|-|-");
        ruleRow("extension only", "any case after a separator", "/.dat|/home/op/.dAt|C:\\data\\.DAT|.dat|/home/op/x.dat|/home/op/.data", "yes|yes|yes|no|no|no");
        ruleRow("utf-8", "shortest and longest of each length", "plain|\xC2\x80|\xDF\xBF|\xE0\xA0\x80|\xEF\xBF\xBF|\xF0\x90\x80\x80|\xF4\x8F\xBF\xBF|\xED\x9F\xBF|\xEE\x80\x80", "ok|ok|ok|ok|ok|ok|ok|ok|ok");
        ruleRow("utf-8", "lead bytes C0, C1, F5..FF; overlong, surrogates, too high", "\xC0\xAF|\xC1\xBF|\xF5\x80\x80\x80|\xF8\x80\x80\x80\x80|\xF9\x80\x80\x80|\xFF|\xE0\x80\xAF|\xF0\x8F\xBF\xBF|\xED\xA0\x80|\xED\xBF\xBF|\xF4\x90\x80\x80", "bad|bad|bad|bad|bad|bad|bad|bad|bad|bad|bad");
        ruleRow("utf-8", "cut short or stray", "\xE2\x82|\x80|\xC3" "A|caf\xE9", "bad|bad|bad|bad");
        ruleRow("cp1252", "both ways, undefined bytes kept", "caf\xE9 \xFC|\x80 \x93x\x94|\x7F\x9F\xA0\xFF|\x81\x8D\x8F\x90\x9D", "café ü|€ “x”|\x7FŸ\xC2\xA0ÿ|\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
        ruleRow("to cp1252", "outside the code page", "日|Ā|😀|ө|ꂬ|a€", "-|-|-|-|-|a\x80");
        ruleRow("clock", "synchronised up to 1 s", "0,0,1000000,3000|0,0,16000,450|0,0,16000,12600|1,8193,16000,0|0,0,16000,10500", "System clock synchronised, estimated error \u00B13 ms|System clock synchronised, estimated error \u00B10.5 ms|System clock synchronised, estimated error \u00B113 ms|System clock synchronised, estimated error \u00B10 ms|System clock synchronised, estimated error \u00B111 ms");
        ruleRow("clock", "beyond 1 s, unsynchronised, refused", "0,0,1000001,3000|0,0,2400000,0|5,0,16000,0|0,64,16000,0|-1,0,0,0", "System clock may be off by up to 1 s|System clock may be off by up to 2.4 s|System clock is not synchronised|System clock is not synchronised|System clock is not synchronised");
    }
    // clang-format on
    void rules() {
        QFETCH(QString, rule);
        QFETCH(QByteArray, in);
        QFETCH(QByteArray, out);
        QByteArrayList results;
        for (const QByteArray& one : in.split('|'))
            results << QByteArray::fromStdString(kRules.at(rule)(one.toStdString()));
        QCOMPARE(results.join('|'), out);
    }

    // The toolkit sets the C library's locale from the user's; the core's numbers must not follow
    // it, or a stored offset of -5.5 would read as -5 where the decimal mark is a comma.
    void numbersIgnoreTheCLocale() {
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "scripts/deps.sh test makes this locale");
        const double read = leadingNumber("-5.5");
        const std::string shown = clockHealthText(ClockState::MayBeOff, 0, 2'400'000);
        std::setlocale(LC_ALL, "C");
        QCOMPARE(read, -5.5);
        QCOMPARE(shown, "System clock may be off by up to 2.4 s");
    }

    // Whatever the clock shows or offers as an offset, a user can type back and get the same.
    void answerReadsBackWhatIsShown() {
        for (int minutes = -24 * 60; minutes <= 24 * 60; minutes += 15) {
            const auto read = offsetFromAnswer(offsetText(minutes));
            QVERIFY2(read && *read == minutes, offsetText(minutes).c_str());
        }
    }

    // The seconds from a sked to the clock are those between the two moments, across every
    // month end and leap day of two centuries.
    void pastDueCountsEveryDay() {
        const QDateTime shown(QDate(2026, 12, 5), QTime(9, 0, 7), Qt::UTC);
        for (QDate day(1951, 1, 1); day.year() < 2076; day = day.addDays(13)) {
            const QDateTime sked(day, QTime(23, 59), Qt::UTC);
            const SkedEntry row{day.toString(u"MM/dd/yyyy").toStdString(), "2359", "m", false};
            QCOMPARE(secondsPastDue(row, at(shown)), sked.secsTo(shown));
        }
    }

    // Over a year of minutes around every month end, the shown time and date are local time
    // plus the offset, for every quarter-hour offset the clock accepts; local mode shows local
    // time.
    void shownValuesFollowTheOffset() {
        const QString format = QStringLiteral("hh:mm:ss hhmm yyyy-MM-dd");
        for (int month = 1; month <= 12; ++month) {
            const QDateTime monthEnd(QDate(2024, month, 1).addMonths(1), QTime(0, 0), Qt::UTC);
            for (int minute = -1600; minute < 1600; minute += 37) {
                const QDateTime local = monthEnd.addSecs(minute * 60 + 7);
                for (int offset = -24 * 60; offset <= 24 * 60; offset += 15)
                    QCOMPARE(shown(local, true, offset),
                             local.addSecs(offset * 60).toString(format));
                QCOMPARE(shown(local, false, 5), local.toString(format));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
