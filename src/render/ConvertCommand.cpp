#include "render/ConvertCommand.h"

#include <cstdio>

#include "model/FileAccess.h"
#include "model/Result.h"
#include "render/RenderDriver.h"
#include "render/RenderMessages.h"
#include "satellite/ConversionFiles.h"
#include "satellite/PlaneFileConversion.h"
#include "satellite/SensorConversion.h"

namespace isobra {

int RunConvertCommand(const std::string& source) {
    const std::string name = FileNameOf(source);
    Result<std::string> written =
        IsSensorFileName(name) ? ConvertSensorFile(source)
        : IsPlaneFileName(name)
            ? ConvertPlaneFile(source)
            : Result<std::string>::Fail(ConversionFailureText(
                  name, "名前からは種類がわかりません。べたファイルは「*.b1」、ウェザーセンサは「forg.00?」です"));
    if (!written) {
        std::fprintf(stderr, "%s\n", ToolMessage(written.message()).c_str());
        return kExitBadInput;
    }
    std::printf("%s\n", written->c_str());
    return kExitOk;
}

}  // namespace isobra
