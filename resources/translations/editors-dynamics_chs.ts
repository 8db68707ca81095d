<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AGCWidget</name>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>(dB)</source>
        <translation>(dB)</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>比率</translation>
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
    <message>
        <source>AGC Copy</source>
        <translation>AGC 复制</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset the agc of the selected channel?</source>
        <translation>确定要复位所选通道的 AGC 吗？</translation>
    </message>
</context>
<context>
    <name>DynamicsEditor</name>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>复制到</translation>
    </message>
</context>
<context>
    <name>LimiterWidget</name>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
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
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>Limiter Copy</source>
        <translation>限幅器复制</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset the limiter of the selected channel?</source>
        <translation>确定要复位所选通道的限幅器吗？</translation>
    </message>
</context>
</TS>
