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
    <message>
        <source>The settings file %1 could not be read. The program runs on default settings and leaves the file as it is; changes made now are not kept.</source>
        <translation>無法讀取設定檔 %1。程式使用預設設定執行，不會改動該檔案；現在所做的變更不會保存。</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Changes made now are kept until the program ends.</source>
        <translation>無法將設定保存到 %1。現在所做的變更僅保留到程式結束。</translation>
    </message>
</context>
</TS>
