<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AGCWidget</name>
    <message>
        <source>Threshold</source>
        <translation>閾值</translation>
    </message>
    <message>
        <source>(dB)</source>
        <translation>(dB)</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>比率</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>啟動</translation>
    </message>
    <message>
        <source>(ms)</source>
        <translation>(ms)</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>衰減</translation>
    </message>
    <message>
        <source>AGC Copy</source>
        <translation>AGC 複製</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset the agc of the selected channel?</source>
        <translation>確定要重設所選通道的 AGC 嗎？</translation>
    </message>
</context>
<context>
    <name>DynamicsEditor</name>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>複製到</translation>
    </message>
</context>
<context>
    <name>LimiterWidget</name>
    <message>
        <source>Threshold</source>
        <translation>閾值</translation>
    </message>
    <message>
        <source>(dB)</source>
        <translation>(dB)</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>比率</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>啟動</translation>
    </message>
    <message>
        <source>(ms)</source>
        <translation>(ms)</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>衰減</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>Limiter Copy</source>
        <translation>限幅器複製</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset the limiter of the selected channel?</source>
        <translation>確定要重設所選通道的限幅器嗎？</translation>
    </message>
</context>
</TS>
