<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>SystemSettings</name>
    <message>
        <source>Digital Audio Processor S</source>
        <translation>数字音频处理器</translation>
    </message>
    <message>
        <source>Digital Audio Processor T</source>
        <translation>數位音訊處理器</translation>
    </message>
</context>
</TS>
