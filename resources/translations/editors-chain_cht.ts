<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ChannelStripWidget</name>
    <message>
        <source>Dante connected</source>
        <translation>Dante 已連接</translation>
    </message>
    <message>
        <source>Dante disconnected</source>
        <translation>Dante 未連接</translation>
    </message>
</context>
<context>
    <name>DelayWidget</name>
    <message>
        <source>Milliseconds</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>公尺</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>英呎</translation>
    </message>
</context>
<context>
    <name>FeedbackWidget</name>
    <message>
        <source>Suppressor</source>
        <translation>回授抑制</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
</context>
<context>
    <name>GateWidget</name>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Thresh</source>
        <translation>閾值</translation>
    </message>
    <message>
        <source>(dB)</source>
        <translation>(dB)</translation>
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
</context>
<context>
    <name>InSetupWidget</name>
    <message>
        <source>Mic</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>線路</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>(dBu)</source>
        <translation>(dBu)</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>48V</source>
        <translation>48V</translation>
    </message>
</context>
<context>
    <name>LevelWidget</name>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>編組</translation>
    </message>
</context>
<context>
    <name>ModulePlaceholderWidget</name>
    <message>
        <source>This module cannot be edited in this version of the program. The device keeps its settings; the other pages work as usual.</source>
        <translation>本版本程式暫不支援編輯此模組。裝置保留其設定，其他頁面照常使用。</translation>
    </message>
</context>
<context>
    <name>ModuleWidget</name>
    <message>
        <source>In Setup</source>
        <translation>輸入設定</translation>
    </message>
    <message>
        <source>Gate</source>
        <translation>噪聲門</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>自動增益</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>回授抑制</translation>
    </message>
    <message>
        <source>In Filter</source>
        <translation>輸入濾波</translation>
    </message>
    <message>
        <source>In Limiter</source>
        <translation>輸入限幅</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>輸入延時</translation>
    </message>
    <message>
        <source>ANC</source>
        <translation>噪聲消除</translation>
    </message>
    <message>
        <source>AEC</source>
        <translation>回音消除</translation>
    </message>
    <message>
        <source>Level Pre Mix</source>
        <translation>混音前電平</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>矩陣</translation>
    </message>
    <message>
        <source>Auto Mixer</source>
        <translation>自動混音</translation>
    </message>
    <message>
        <source>Signal Generator</source>
        <translation>訊號產生器</translation>
    </message>
    <message>
        <source>Out Level</source>
        <translation>輸出電平</translation>
    </message>
    <message>
        <source>Out Filter</source>
        <translation>輸出濾波</translation>
    </message>
    <message>
        <source>Out Limiter</source>
        <translation>輸出限幅</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>輸出延時</translation>
    </message>
</context>
</TS>
