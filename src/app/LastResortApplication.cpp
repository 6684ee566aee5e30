#include "app/LastResortApplication.h"

#include <cstdio>
#include <exception>
#include <new>

#include "widgets/Prompts.h"
#include "widgets/QtText.h"

namespace isobra {

LastResortApplication::LastResortApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void LastResortApplication::SetReporting(Prompts* prompts, std::function<void()> tidy) {
    prompts_ = prompts;
    tidy_ = std::move(tidy);
}

QString LastResortApplication::UnexpectedFailureText(const std::string& what) {
    return ToQ("思いがけないエラーが起きたため、この操作を途中で止めました（" + what +
               "）。ファイルには何も書きこんでいません。入力したデータは残っているので、"
               "念のため別の名前で保存してから、プログラムを起動しなおしてください。");
}

QString LastResortApplication::UnexpectedFailureAtStartText(const std::string& what) {
    return ToQ("思いがけないエラーが起きたため、プログラムを終了します（" + what +
               "）。ファイルには何も書きこんでいません。");
}

std::string LastResortApplication::DescribeCurrentException() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "メモリが足りません";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "不明な例外";
    }
}

bool LastResortApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        Report(DescribeCurrentException());
        return false;
    }
}

void LastResortApplication::Report(const std::string& what) {
    std::fprintf(stderr, "isobra: %s\n", what.c_str());
    // A failure while the message is up (its own event loop runs) is only
    // written out: one message at a time.
    if (reporting_ || !prompts_) return;
    reporting_ = true;
    try {
        if (tidy_) tidy_();
        prompts_->Inform(QString::fromUtf8(kProgramTitle), UnexpectedFailureText(what), Prompts::Icon::Warning);
    } catch (...) {
        std::fprintf(stderr, "isobra: %s\n", DescribeCurrentException().c_str());
    }
    reporting_ = false;
}

}  // namespace isobra
