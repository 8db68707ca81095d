<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>GPIOSetupDialog</name>
    <message>
        <source>GPIO Setup</source>
        <translation>GPIO 设置</translation>
    </message>
    <message>
        <source>GPIO</source>
        <translation>GPIO</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>调用预设</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
</context>
<context>
    <name>RecPlayDialog</name>
    <message>
        <source>Order</source>
        <translation>顺序播放</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>随机播放</translation>
    </message>
    <message>
        <source>Repeat Single</source>
        <translation>单曲循环</translation>
    </message>
    <message>
        <source>Repeat List</source>
        <translation>列表循环</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Rec/Play</source>
        <translation>录音/播放</translation>
    </message>
    <message>
        <source>Are you sure that you want to switch IN 1 and IN 2 to USB mode, and enable USB play?</source>
        <translation>确定要将 IN 1 和 IN 2 切换到 USB 模式并启用 USB 播放吗？</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear all the channels?</source>
        <translation>确定要清除所有通道吗？</translation>
    </message>
    <message>
        <source>L+R</source>
        <translation>左+右</translation>
    </message>
    <message>
        <source>L</source>
        <translation>左</translation>
    </message>
    <message>
        <source>R</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>USB Playback</source>
        <translation>USB 播放</translation>
    </message>
    <message>
        <source>USB Play List</source>
        <translation>USB 播放列表</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>USB Record</source>
        <translation>USB 录音</translation>
    </message>
    <message>
        <source>USB Record List</source>
        <translation>USB 录音列表</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>Record source</source>
        <translation>录音源</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>音源</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Left and Right</source>
        <translation>左和右</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Note:
Supports mp3, wav, ape, aac and flac file formats for USB playback. Only supports USB storage device of FAT32 format.
Play files fixed in the audio directory of the root directory. Record files fixed in the record directory of the root directory.</source>
        <translation>注意：
USB 播放支持 mp3、wav、ape、aac 和 flac 文件格式。仅支持 FAT32 格式的 USB 存储设备。
播放文件固定在根目录的 audio 目录中。录音文件固定在根目录的 record 目录中。</translation>
    </message>
</context>
</TS>
