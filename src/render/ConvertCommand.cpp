#include "render/ConvertCommand.h"

#include <cstdio>

#include "model/Result.h"
#include "satellite/ConversionFiles.h"
#include "satellite/PlaneFileConversion.h"
#include "satellite/SensorConversion.h"

namespace isobra {

namespace {

bool IsPlaneFileName(std::string_view name) {
    return name.size() > 3 && SameNameCaseBlind(name.substr(name.size() - 3), ".b1");
}

}  // namespace

int RunConvertCommand(const std::string& source) {
    const std::string name = FileNameOf(source);
    Result<std::string> written =
        IsSensorFileName(name) ? ConvertSensorFile(source)
        : IsPlaneFileName(name)
            ? ConvertPlaneFile(source)
            : Result<std::string>::Fail(ConversionFailureText(
                  name, "名前からは種類がわかりません。べたファイルは「*.b1」、ウェザーセンサは「forg.00?」です"));
    if (!written) {
        std::fprintf(stderr, "isobra-render: %s\n", written.message().c_str());
        return 1;
    }
    std::printf("%s\n", written->c_str());
    return 0;
}

}  // namespace isobra
