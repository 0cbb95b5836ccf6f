// The backend's conversions between the program's text and Qt's: filters, positions, initial names.
#include <QTest>

#include "platform/qt/qt_open_dialog.h"
#include "platform/qt/qt_text.h"
#include "platform/text.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class QtHelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void nameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two pairs") << U("INIファイル(.ini)|*.ini|全てのファイル(.*)|*.*")
                               << QStringList{U("INIファイル(.ini) (*.ini)"), U("全てのファイル(.*) (*.*)")};
    QTest::newRow("several patterns") << U("Programs|*.exe;*.bat") << QStringList{U("Programs (*.exe *.bat)")};
    QTest::newRow("description without pattern") << U("a|*.a|b") << QStringList{U("a (*.a)")};
    QTest::newRow("empty") << QString() << QStringList{};
  }
  void nameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(QtNameFilters(Utf8ToAnsi(filter.toStdString())), expected);
  }

  void nameFilterIndex_data() {
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("index");
    QTest::newRow("whole filter") << U("All (*.*)") << 1;
    QTest::newRow("description only") << U("All") << 1;
    QTest::newRow("first") << U("Text") << 0;
    QTest::newRow("a description's prefix is no match") << U("Tex") << -1;
    QTest::newRow("unknown") << U("Other") << -1;
  }
  void nameFilterIndex() {
    QFETCH(QString, selected);
    QFETCH(int, index);
    QCOMPARE(NameFilterIndex({U("Text (*.txt)"), U("All (*.*)")}, selected), qsizetype(index));
  }

  void initialFileName_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("short") << QByteArray("abc") << 260 << QByteArray("abc");
    QTest::newRow("exactly the limit") << QByteArray(260, 'a') << 260 << QByteArray(260, 'a');
    QTest::newRow("cut at the limit") << QByteArray(300, 'a') << 260 << QByteArray(260, 'a');
    const QByteArray kanji = QByteArray::fromStdString(Ansi("漢"));
    QTest::newRow("double-byte across the limit is left out")
        << QByteArray(259, 'a') + kanji + "b" << 260 << QByteArray(259, 'a');
    QTest::newRow("double-byte ending at the limit is kept")
        << QByteArray(258, 'a') + kanji + "b" << 260 << QByteArray(258, 'a') + kanji;
  }
  void initialFileName() {
    QFETCH(QByteArray, name);
    QFETCH(int, limit);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(InitialFileName(name.toStdString(), static_cast<size_t>(limit))), expected);
  }

  void offsets_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("utf16");
    QTest::newRow("ASCII") << U("abc") << 2 << 2;
    QTest::newRow("after a kanji") << U("設定a") << 4 << 2;
    QTest::newRow("half-width kana is one byte") << U("ｶﾅa") << 2 << 2;
    QTest::newRow("past the end") << U("ab") << 9 << 2;
  }
  void offsets() {
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QFETCH(int, utf16);
    const std::string ansi = Utf8ToAnsi(text.toStdString());
    QCOMPARE(Utf16Offset(ansi, bytes), utf16);
    QCOMPARE(ByteOffset(text, utf16), std::min(bytes, static_cast<int>(ansi.size())));
  }

  void textRoundTripsOrRefuses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("convertible");
    QTest::newRow("Japanese") << U("ＭＳ Ｐゴシック") << true;
    QTest::newRow("accented") << U("é") << false;
    QTest::newRow("emoji") << U("a😀") << false;
  }
  void textRoundTripsOrRefuses() {
    QFETCH(QString, text);
    QFETCH(bool, convertible);
    const auto bytes = TryFromQString(text);
    QCOMPARE(bytes.has_value(), convertible);
    if (bytes) QCOMPARE(ToQString(*bytes), text);
  }

  void badBytesShownInErrorText() {
    // A lone lead byte cannot be read: it is shown, the readable rest kept.
    QCOMPARE(ToQStringShowingBadBytes(Ansi("書") + "x\x81"), U("書x\\x81"));
  }
};

int RunQtHelpersTest(int argc, char** argv) {
  QtHelpersTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_helpers_test.moc"
