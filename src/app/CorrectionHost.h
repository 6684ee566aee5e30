#pragma once

namespace isobra {

// The commands the correction window shares with the menu.
class CorrectionHost {
public:
    virtual ~CorrectionHost() = default;

    // "間隔": as "等圧線の間隔の変更".
    virtual void ChangeIsobarInterval() = 0;
    // "等圧線の保存": as "等圧線データ保存", without the please-wait window.
    virtual void SaveIsobarsQuietly() = 0;
};

}  // namespace isobra
