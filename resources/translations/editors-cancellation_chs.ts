<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AECWidget</name>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Select the local microphone channels for video conference</source>
        <translation>选择视频会议的本地麦克风通道</translation>
    </message>
    <message>
        <source>Local Setting</source>
        <translation>本地设置</translation>
    </message>
    <message>
        <source>AEC(Remote Benefit)</source>
        <translation>AEC（远端受益）</translation>
    </message>
    <message>
        <source>From
Video conference
terminal audio</source>
        <translation>来自
视频会议
终端音频</translation>
    </message>
    <message>
        <source>To
Video conference
terminal audio</source>
        <translation>送往
视频会议
终端音频</translation>
    </message>
    <message>
        <source>IN CH3-16
Local conference
audio source</source>
        <translation>输入 CH3-16
本地会议
音源</translation>
    </message>
    <message>
        <source>OUT CH3-16
Local conference
Amplifier</source>
        <translation>输出 CH3-16
本地会议
功放</translation>
    </message>
</context>
<context>
    <name>AECWidget2</name>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Local Input(Select the local input channels for AEC)</source>
        <translation>本地输入（选择用于 AEC 的本地输入通道）</translation>
    </message>
    <message>
        <source>Remote Input(Select the remote input channels for AEC)</source>
        <translation>远端输入（选择用于 AEC 的远端输入通道）</translation>
    </message>
    <message>
        <source>AEC Level</source>
        <translation>AEC 等级</translation>
    </message>
    <message>
        <source>Noise Reduction Level</source>
        <translation>降噪等级</translation>
    </message>
    <message>
        <source>Local Output(Select the output channels to which the signal after AEC processing is mixed)</source>
        <translation>本地输出（选择混入 AEC 处理后信号的输出通道）</translation>
    </message>
    <message>
        <source>Small Room %1</source>
        <translation>小房间 %1</translation>
    </message>
    <message>
        <source>(128ms)</source>
        <translation>(128ms)</translation>
    </message>
    <message>
        <source>Middle Room %1</source>
        <translation>中房间 %1</translation>
    </message>
    <message>
        <source>(256ms)</source>
        <translation>(256ms)</translation>
    </message>
    <message>
        <source>Big Room %1</source>
        <translation>大房间 %1</translation>
    </message>
    <message>
        <source>(512ms)</source>
        <translation>(512ms)</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>Stronger</source>
        <translation>较强</translation>
    </message>
    <message>
        <source>Strongest</source>
        <translation>最强</translation>
    </message>
</context>
<context>
    <name>AECWidget3</name>
    <message>
        <source>Instructions for using AEC</source>
        <translation>AEC 使用说明</translation>
    </message>
    <message>
        <source>1. Select the local input channel (such as the local microphone in video conference).</source>
        <translation>1. 选择本地输入通道（如视频会议中的本地麦克风）。</translation>
    </message>
    <message>
        <source>2. Select the remote input channel (such as the signal output from the conference terminal to the processor in video conference).</source>
        <translation>2. 选择远端输入通道（如视频会议中会议终端输出到处理器的信号）。</translation>
    </message>
    <message>
        <source>3. Set the echo cancellation level and enable echo cancellation.</source>
        <translation>3. 设置回声消除等级并启用回声消除。</translation>
    </message>
    <message>
        <source>4. Mix the echo cancellation signal to the output channel.</source>
        <translation>4. 将回声消除信号混入输出通道。</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>使用说明</translation>
    </message>
</context>
<context>
    <name>ANCWidget</name>
    <message>
        <source>Channel Enabled</source>
        <translation>通道启用</translation>
    </message>
    <message>
        <source>Noise Reduction Level</source>
        <translation>降噪等级</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>Strongest</source>
        <translation>最强</translation>
    </message>
</context>
<context>
    <name>ANCWidget2</name>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Input(Select the input channels for ANC)</source>
        <translation>输入（选择用于 ANC 的输入通道）</translation>
    </message>
    <message>
        <source>Suppression Level</source>
        <translation>抑制等级</translation>
    </message>
    <message>
        <source>Output(Select the output channels to which the signal after ANC processing is mixed)</source>
        <translation>输出（选择混入 ANC 处理后信号的输出通道）</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
</context>
<context>
    <name>ANCWidget3</name>
    <message>
        <source>Instructions for using ANC</source>
        <translation>ANC 使用说明</translation>
    </message>
    <message>
        <source>1. Select the input channel for noise cancellation.</source>
        <translation>1. 选择用于噪声消除的输入通道。</translation>
    </message>
    <message>
        <source>2. Set the noise cancellation suppression level and enable noise cancellation.</source>
        <translation>2. 设置噪声消除的抑制等级并启用噪声消除。</translation>
    </message>
    <message>
        <source>3. Mix the noise cancellation signal to the output channel.</source>
        <translation>3. 将噪声消除信号混入输出通道。</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>使用说明</translation>
    </message>
</context>
<context>
    <name>CancellationEditor</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>SignalGeneratorWidget</name>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>粉红噪声</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>正弦波</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>白噪声</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>(Hz)</source>
        <translation>(Hz)</translation>
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
        <source>Output</source>
        <translation>输出</translation>
    </message>
</context>
</TS>
