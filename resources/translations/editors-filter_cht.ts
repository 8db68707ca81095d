<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>FilterGraph</name>
    <message>
        <source>%1dB</source>
        <translation>%1dB</translation>
    </message>
    <message>
        <source>%1Hz</source>
        <translation>%1Hz</translation>
    </message>
    <message>
        <source>%1KHz</source>
        <translation>%1KHz</translation>
    </message>
</context>
<context>
    <name>FilterWidget</name>
    <message>
        <source>Bessel</source>
        <translation>貝塞爾</translation>
    </message>
    <message>
        <source>Butterworth</source>
        <translation>巴特沃斯</translation>
    </message>
    <message>
        <source>Linkwitz-Riley</source>
        <translation>林克維茲-瑞利</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>斜率</translation>
    </message>
    <message>
        <source>(dB/oct)</source>
        <translation>(dB/oct)</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>頻率</translation>
    </message>
    <message>
        <source>(Hz)</source>
        <translation>(Hz)</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>High Pass</source>
        <translation>高通</translation>
    </message>
    <message>
        <source>Low Pass</source>
        <translation>低通</translation>
    </message>
    <message>
        <source>PEQ</source>
        <translation>參量均衡</translation>
    </message>
    <message>
        <source>All Enabled</source>
        <translation>全部啟用</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>頻段</translation>
    </message>
    <message>
        <source>Low Shelf</source>
        <translation>低架</translation>
    </message>
    <message>
        <source>High Shelf</source>
        <translation>高架</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>(dB)</source>
        <translation>(dB)</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>複製到</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>復位</translation>
    </message>
    <message>
        <source>Filter Copy</source>
        <translation>濾波器複製</translation>
    </message>
    <message>
        <source>Are you sure that you want to reset the filter of the selected channel?</source>
        <translation>確定要復位所選通道的濾波器嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
