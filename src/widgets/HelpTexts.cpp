#include "widgets/HelpTexts.h"

#include <QList>
#include <initializer_list>

namespace isobra {

namespace {

// Leading spaces are mostly ideographic (U+3000); the keyboard line of the
// introduction starts with 22 ASCII spaces. The texts assume a fixed-pitch font.
const char16_t kIntroduction[] =
    u"　天気図作成ソフト「Isobra32 (Barovo for Windows 32Bit版)」を\r\n"
    u"　ご利用いただきありがとうございます。さて、このソフトで何が\r\n"
    u"できるかといいますと・・・\r\n"
    u"\r\n"
    u"　１、ラジオの気象観測データから等圧線を描く。\r\n"
    u"　２、観測データの保存、読みこみができる。\r\n"
    u"　３、等圧線の修正ができる。\r\n"
    u"　４、気象衛星ひまわりの画像と等圧線を重ねる。\r\n"
    u"\r\n"
    u"マウスを使う場合・・・メニューの項目をクリックして下さい。\r\n"
    u"\r\n"
    u"キーボードの場合・・・「ＧＲＰＨ」キーを押してから、カーソル\r\n"
    u"                      キー（->）で項目を選びリターンキーを押\r\n"
    u"　　　　　　　　　　　して下さい。\r\n";

const char16_t kPage1[] =
    u"ファイル・・気象観測データ読みこみ：観測データを読みこみます\r\n"
    u"　　　　　　気象観測データ保存　　：観測データを保存します\r\n"
    u"　　　　　　気象観測データ削除　　：観測データを削除します\r\n"
    u"　　　　　　等圧線データ読みこみ　：等圧線データを読みこみます\r\n"
    u"　　　　　　等圧線データ保存　　　：等圧線データを保存します\r\n"
    u"　　　　　　等圧線データ削除　　　：等圧線データを削除します\r\n"
    u"\r\n"
    u"データ入力・・・各地の天気　：ラジオの気象観測データを\r\n"
    u"　　　　　　　　船舶の報告　：　マウスまたは、キーボード\r\n"
    u"　　　　　　　　漁業気象　　：　で入力（くわしくは説明で）。\r\n"
    u"　　　　　　　　データを消す：データを消します。\r\n"
    u"\r\n"
    u"　　つぎの説明を表示しますか？\r\n";

const char16_t kPage2[] =
    u"天気図・・地図を表示　　：日本地図を表示します\r\n"
    u"　　　　　等圧線の表示　：気象観測データから等圧線を描きます\r\n"
    u"　　　　　天気記号表示　：天気記号を重ねて表示します\r\n"
    u"　　　　　風力の表示　　：風力記号を重ねて表示します\r\n"
    u"　　　　　前線の表示　　：前線の記号を重ねて表示します\r\n"
    u"　　　　　画面の消去　　：描いた図を消します\r\n"
    u"　　　　　気圧の立体表示：等圧線を立体的に表示します\r\n"
    u"　　　　　等圧線の間隔の変更：等圧線を引く間隔を変更します\r\n"
    u"　　　　　等圧線の修正、保存：描いた等圧線を修正保存します\r\n"
    u"　　　　　等圧線の連続表示：等圧線を連続的に表示します\r\n"
    u"　　　　　表示色の指定　：線や記号の色を変えます\r\n"
    u"気象衛星画像・・雲の断面図　：雲の断面図を描きます\r\n"
    u"　　　　　　　　画像読みこみ：気象衛星画像を読みこみます\r\n"
    u"　　　　　　　　画像の保存　：表示している画像を保存します\r\n"
    u"　　　　　　　　画像の削除　：画像を削除します\r\n"
    u"　　つぎの説明を表示しますか？";

const char16_t kPage3[] =
    u"　このたびは、等圧線作成ソフト　「Ｉｓｏｂｒａ」 を\r\n"
    u"　ご利用いただきありがとうございます。さて、このソフトで何が\r\n"
    u"できるかといいますと・・・\r\n"
    u"　１、ラジオの気象観測データから等圧線を描く。\r\n"
    u"　２、観測データの入力が容易にできる\r\n"
    u"　３、等圧線の修正ができる。\r\n"
    u"　４、気象衛星ひまわりの画像と等圧線を重ねる。\r\n"
    u"\r\n"
    u"　まずは「ファイル」->「読みこみ」を行い、「データ入力」\r\n"
    u"->「各地の天気」でデータを見てみましょう。\r\n"
    u"「天気図」->「等圧線表示」で等圧線を作成します。\r\n"
    u"\r\n"
    u"　　つぎの説明を表示しますか？";

const char16_t kPage4[] =
    u"「地図表示」、「等圧線表示」　さらに「天気記号表示」、\r\n"
    u"「風力表示」「前線表示」と画像の重ね合わせができます。\r\n"
    u"\r\n"
    u"「気象衛星画像」で「画像読みこみ」をしてから、\r\n"
    u"「等圧線表示」を行うと、衛星画像と天気図の重ね合わせが\r\n"
    u"できます！。\r\n"
    u"\r\n"
    u"　なお、読みこめる画像はＢＭＰファイルです。\r\n"
    u"（ﾍﾞﾀ､ｳｪｻﾞｰｾﾝｻのファイルの変換もできます）";

}  // namespace

QString IntroductionTitle() { return QStringLiteral("はじめに"); }

QString IntroductionText() { return QString::fromUtf16(kIntroduction); }

QString MenuHelpTitle(int page) {
    switch (page) {
        case 1:
            return QStringLiteral("メニュー説明(1/4)");
        case 2:
            return QStringLiteral("メニュー説明(2/4)");
        case 3:
            return QStringLiteral("メニュー説明(3/4)");
        case 4:
            return QStringLiteral("メニュー説明 (4/4)");  // the last page has a space before "("
        default:
            return {};
    }
}

QString MenuHelpText(int page) {
    switch (page) {
        case 1:
            return QString::fromUtf16(kPage1);
        case 2:
            return QString::fromUtf16(kPage2);
        case 3:
            return QString::fromUtf16(kPage3);
        case 4:
            return QString::fromUtf16(kPage4);
        default:
            return {};
    }
}

namespace {

// Every line followed by CR LF, with one more empty line after the twelfth.
QString Lines(const QList<QString>& lines) {
    QString text;
    int n = 0;
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
        if (++n == 12) text += QStringLiteral("\r\n");
    }
    return text;
}

// The page of an entry window: how the mouse and the keyboard enter a row,
// then what the window adds. `backTab` and `fields` differ by window.
QString FormHelp(const QString& backTab, const QString& fields1, const QString& fields2,
                 std::initializer_list<QString> more) {
    QList<QString> lines = {
        QStringLiteral("マウスを使うとき"),
        QStringLiteral("　　矢印をクリックするか、ドラッグ（ボタンをおして移動する）"),
        QStringLiteral("　　すると数値が変わります。"),
        QStringLiteral("　　「データの入力」をクリックすると入力されます。"),
        QString(),
        QStringLiteral("キーボードから入力するとき"),
        QStringLiteral("　　［ＴＡＢ］キーを押すと次の項目に移ります。"),
        backTab,
        fields1,
        fields2,
        QStringLiteral("　　「データの入力」のところで「リターン」キーを押すと入力。"),
        QStringLiteral("　　なれるとキーボードからのほうが速いです。"),
    };
    lines.append(QList<QString>(more));
    return Lines(lines);
}

const QString kBackTab = QStringLiteral("　　(SHIFT+TABで前の項目に戻ります)");
const QString kNumbersTyped = QStringLiteral("　　北緯、東経、気圧は数値を入力して［ＴＡＢ］");

}  // namespace

HelpPage LandFormHelp() {
    return {QStringLiteral(" 「各地の天気」の説明 "),
            FormHelp(kBackTab, QStringLiteral("　　風向、天気はカーソルキーで選んで［ＴＡＢ］"),
                     QStringLiteral("　　風力、気圧、気温は数値を入力して［ＴＡＢ］"),
                     {QStringLiteral("入力してある行で「データの入力」をｸﾘｯｸすると変更されます。"),
                      QStringLiteral("データがないときにはマウスで地名を選んでとばして下さい。")})};
}

HelpPage ShipFormHelp() {
    // This page closes the bracket with a full-width "）".
    return {QStringLiteral(" 「船舶、海洋ブイからの報告」の説明 "),
            FormHelp(QStringLiteral("　　(SHIFT+TABで前の項目に戻ります）"), kNumbersTyped,
                     QStringLiteral("　　風向、天気はカーソルキーで選んで［ＴＡＢ］"),
                     {QStringLiteral("「削除」で現在カーソルがある行が消えます。"),
                      QStringLiteral("入力してある行で「データの入力」をｸﾘｯｸすると変更できます。"),
                      QStringLiteral("最後の行のデータは変更できません。削除して入力してください。")})};
}

HelpPage FisheryFormHelp() {
    return {QStringLiteral("漁業気象の説明 "),
            FormHelp(kBackTab, kNumbersTyped, QStringLiteral("　　高気圧や低気圧はカーソルキーで選んで［ＴＡＢ］"),
                     {QStringLiteral("「中心から」は低気圧から出る前線の入力に使います。"),
                      QStringLiteral("「ここから」は前線がべつの前線に変化するときに使います。"),
                      QStringLiteral("　　　　どちらもあとで前線のデータに変換されます。")})};
}

HelpPage CorrectionHelp() {
    return {QStringLiteral("等圧線の修正,保存"), QStringLiteral("気圧？　　　：地図上の気圧を調べます。\r\n"
                                                                "　　　　　　　調べたい所でクリック。\r\n"
                                                                "気圧＋　　　：気圧を増やしたい所でクリック。\r\n"
                                                                "　　　　　　　右が＋２、左が+0.5hPa\r\n"
                                                                "気圧－　　　：気圧を減らしたい所でクリック。\r\n"
                                                                "　　　　　　　右が－２、左が-0.5hPa\r\n"
                                                                "間隔　　　　：等圧線を何ｈＰａごとに描くか\r\n"
                                                                "　　　　　　　を設定します。\r\n"
                                                                "データの平均：気圧データを平均してから、\r\n"
                                                                "　　　　　　　等圧線を描きます。\r\n"
                                                                "等圧線を描く：画面全体を描きなおします。\r\n"
                                                                "等圧線の保存：等圧線のデータを保存します。\r\n"
                                                                "もどる　　　：等圧線の修正、保存を終わりま\r\n"
                                                                "　　　　　　　す。\r\n")};
}

}  // namespace isobra
