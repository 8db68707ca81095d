<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AutoMixerWidget</name>
    <message>
        <source>Auto Mixer</source>
        <translation>自動混音</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset the auto mixer?</source>
        <translation>確定要重設自動混音嗎？</translation>
    </message>
    <message>
        <source>1. There are two independent automix groups, AM1 and AM2.</source>
        <translation>1. 有兩個獨立的自動混音組：AM1 和 AM2。</translation>
    </message>
    <message>
        <source>2. The AM1 or AM2 button of a channel assigns the channel to automix group 1 or 2.</source>
        <translation>2. 通道的 AM1 或 AM2 按鈕將該通道分配到自動混音組 1 或 2。</translation>
    </message>
    <message>
        <source>3. The fader sets the priority weight of the channel; the default is 0.</source>
        <translation>3. 推桿設定通道的優先權重，預設值為 0。</translation>
    </message>
    <message>
        <source>4. The &quot;AM X Enabled&quot; buttons enable an automix group.</source>
        <translation>4. 「AM X 啟用」按鈕啟用一個自動混音組。</translation>
    </message>
    <message>
        <source>5. The upper meter shows the attenuation of the channel, the lower meter its level after attenuation.</source>
        <translation>5. 上方電平表顯示通道的衰減量，下方電平表顯示衰減後的電平。</translation>
    </message>
    <message>
        <source>Instructions for using automix</source>
        <translation>自動混音使用說明</translation>
    </message>
    <message>
        <source>AM %1 Enabled</source>
        <translation>AM %1 啟用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>使用說明</translation>
    </message>
    <message>
        <source>AM %1</source>
        <translation>AM %1</translation>
    </message>
</context>
<context>
    <name>MatrixTableWidget</name>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>矩陣</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Are you sure that you want to enable or disable </source>
        <translation>確定要啟用或停用 </translation>
    </message>
    <message>
        <source> mix to all the output channel?</source>
        <translation> 到所有輸出通道的混音嗎？</translation>
    </message>
    <message>
        <source>Are you sure that you want to enable or disable all the input channel mix to </source>
        <translation>確定要啟用或停用所有輸入通道到 </translation>
    </message>
    <message>
        <source>?</source>
        <translation> 的混音嗎？</translation>
    </message>
    <message>
        <source>All the input channel mix to all the output channel?</source>
        <translation>所有輸入通道到所有輸出通道的混音？</translation>
    </message>
    <message>
        <source>In \ Out</source>
        <translation>輸入 \ 輸出</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>(dB)</source>
        <translation>(dB)</translation>
    </message>
</context>
<context>
    <name>MatrixWidget</name>
    <message>
        <source>AEC</source>
        <translation>AEC</translation>
    </message>
    <message>
        <source>ANC</source>
        <translation>ANC</translation>
    </message>
    <message>
        <source>All Mix</source>
        <translation>全部混音</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Are you sure that you want to enable all the mixer and set their gain to 0dB?</source>
        <translation>確定要啟用所有混音並將其增益設為 0dB 嗎？</translation>
    </message>
    <message>
        <source>Are you sure that you want to disable all the mixer and set their gain to 0dB?</source>
        <translation>確定要停用所有混音並將其增益設為 0dB 嗎？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Including ANC/AEC</source>
        <translation>包括 ANC/AEC</translation>
    </message>
</context>
</TS>
