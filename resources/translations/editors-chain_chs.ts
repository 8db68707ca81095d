<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelStripWidget</name>
    <message>
        <source>Dante connected</source>
        <translation>Dante 已连接</translation>
    </message>
    <message>
        <source>Dante disconnected</source>
        <translation>Dante 未连接</translation>
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
        <translation>米</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>英尺</translation>
    </message>
</context>
<context>
    <name>FeedbackWidget</name>
    <message>
        <source>Suppressor</source>
        <translation>反馈抑制</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
</context>
<context>
    <name>GateWidget</name>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Thresh</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>(dB)</source>
        <translation>(dB)</translation>
    </message>
    <message>
        <source>Attack</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>(ms)</source>
        <translation>(ms)</translation>
    </message>
    <message>
        <source>Decay</source>
        <translation>衰减</translation>
    </message>
</context>
<context>
    <name>InSetupWidget</name>
    <message>
        <source>Mic</source>
        <translation>话筒</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>线路</translation>
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
        <translation>静音</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>编组</translation>
    </message>
</context>
<context>
    <name>ModulePlaceholderWidget</name>
    <message>
        <source>This module cannot be edited in this version of the program. The device keeps its settings; the other pages work as usual.</source>
        <translation>本版本程序暂不支持编辑此模块。设备保留其设置，其他页面照常使用。</translation>
    </message>
</context>
<context>
    <name>ModuleWidget</name>
    <message>
        <source>In Setup</source>
        <translation>输入设置</translation>
    </message>
    <message>
        <source>Gate</source>
        <translation>噪声门</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>自动增益</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈抑制</translation>
    </message>
    <message>
        <source>In Filter</source>
        <translation>输入滤波</translation>
    </message>
    <message>
        <source>In Limiter</source>
        <translation>输入限幅</translation>
    </message>
    <message>
        <source>In Delay</source>
        <translation>输入延时</translation>
    </message>
    <message>
        <source>ANC</source>
        <translation>噪声消除</translation>
    </message>
    <message>
        <source>AEC</source>
        <translation>回声消除</translation>
    </message>
    <message>
        <source>Level Pre Mix</source>
        <translation>混音前电平</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>矩阵</translation>
    </message>
    <message>
        <source>Auto Mixer</source>
        <translation>自动混音</translation>
    </message>
    <message>
        <source>Signal Generator</source>
        <translation>信号发生器</translation>
    </message>
    <message>
        <source>Out Level</source>
        <translation>输出电平</translation>
    </message>
    <message>
        <source>Out Filter</source>
        <translation>输出滤波</translation>
    </message>
    <message>
        <source>Out Limiter</source>
        <translation>输出限幅</translation>
    </message>
    <message>
        <source>Out Delay</source>
        <translation>输出延时</translation>
    </message>
</context>
</TS>
