<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>无法读取设置文件 %1。程序使用默认设置运行，不会改动该文件；现在所做的更改不会保存。</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Changes made now are kept until the program ends.</source>
        <translation>无法将设置保存到 %1。现在所做的更改仅保留到程序退出。</translation>
    </message>
</context>
</TS>
