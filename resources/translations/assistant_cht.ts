<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CommandAssistantDialog</name>
    <message>
        <source>Command Assistant</source>
        <translation>指令助手</translation>
    </message>
    <message>
        <source>RS232 Baud Rate : 115200 (Default)
TCP Port : %1</source>
        <translation>RS232 鮑率 : 115200 (預設)
TCP 連接埠 : %1</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Level Pre Mix</source>
        <translation>混音前電平</translation>
    </message>
    <message>
        <source>Out Level</source>
        <translation>輸出電平</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>System Mute</source>
        <translation>系統靜音</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>指令</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
</context>
<context>
    <name>CommandLevelWidget</name>
    <message>
        <source>IN</source>
        <translation>輸入</translation>
    </message>
    <message>
        <source>OUT</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Gain(Fixed Value)</source>
        <translation>增益(固定值)</translation>
    </message>
    <message>
        <source>Gain(Increment/Decrement)</source>
        <translation>增益(增加/減少)</translation>
    </message>
    <message>
        <source>Generate Command</source>
        <translation>產生指令</translation>
    </message>
</context>
<context>
    <name>CommandLoginWidget</name>
    <message>
        <source>Login(TCP Only)</source>
        <translation>登入(僅 TCP)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Generate Command</source>
        <translation>產生指令</translation>
    </message>
</context>
<context>
    <name>CommandPresetWidget</name>
    <message>
        <source>Load Preset</source>
        <translation>調用預設</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>Generate Command</source>
        <translation>產生指令</translation>
    </message>
</context>
<context>
    <name>CommandSystemMuteWidget</name>
    <message>
        <source>System Mute</source>
        <translation>系統靜音</translation>
    </message>
    <message>
        <source>Generate Command</source>
        <translation>產生指令</translation>
    </message>
</context>
</TS>
