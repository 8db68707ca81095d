<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandAssistantDialog</name>
    <message>
        <source>Command Assistant</source>
        <translation>指令助手</translation>
    </message>
    <message>
        <source>RS232 Baud Rate : 115200 (Default)
TCP Port : %1</source>
        <translation>RS232 波特率 : 115200 (默认)
TCP 端口 : %1</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Level Pre Mix</source>
        <translation>混音前电平</translation>
    </message>
    <message>
        <source>Out Level</source>
        <translation>输出电平</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>System Mute</source>
        <translation>系统静音</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>指令</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>CommandLevelWidget</name>
    <message>
        <source>IN</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Gain(Fixed Value)</source>
        <translation>增益(固定值)</translation>
    </message>
    <message>
        <source>Gain(Increment/Decrement)</source>
        <translation>增益(增加/减少)</translation>
    </message>
    <message>
        <source>Generate Command</source>
        <translation>生成指令</translation>
    </message>
</context>
<context>
    <name>CommandLoginWidget</name>
    <message>
        <source>Login(TCP Only)</source>
        <translation>登录(仅 TCP)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Generate Command</source>
        <translation>生成指令</translation>
    </message>
</context>
<context>
    <name>CommandPresetWidget</name>
    <message>
        <source>Load Preset</source>
        <translation>调用预设</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Generate Command</source>
        <translation>生成指令</translation>
    </message>
</context>
<context>
    <name>CommandSystemMuteWidget</name>
    <message>
        <source>System Mute</source>
        <translation>系统静音</translation>
    </message>
    <message>
        <source>Generate Command</source>
        <translation>生成指令</translation>
    </message>
</context>
</TS>
