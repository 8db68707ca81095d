<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AECWidget</name>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Select the local microphone channels for video conference</source>
        <translation>選擇視訊會議的本地麥克風通道</translation>
    </message>
    <message>
        <source>Local Setting</source>
        <translation>本地設定</translation>
    </message>
    <message>
        <source>AEC(Remote Benefit)</source>
        <translation>AEC（遠端受益）</translation>
    </message>
    <message>
        <source>From
Video conference
terminal audio</source>
        <translation>來自
視訊會議
終端音訊</translation>
    </message>
    <message>
        <source>To
Video conference
terminal audio</source>
        <translation>送往
視訊會議
終端音訊</translation>
    </message>
    <message>
        <source>IN CH3-16
Local conference
audio source</source>
        <translation>輸入 CH3-16
本地會議
音源</translation>
    </message>
    <message>
        <source>OUT CH3-16
Local conference
Amplifier</source>
        <translation>輸出 CH3-16
本地會議
功放</translation>
    </message>
</context>
<context>
    <name>AECWidget2</name>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Local Input(Select the local input channels for AEC)</source>
        <translation>本地輸入（選擇用於 AEC 的本地輸入通道）</translation>
    </message>
    <message>
        <source>Remote Input(Select the remote input channels for AEC)</source>
        <translation>遠端輸入（選擇用於 AEC 的遠端輸入通道）</translation>
    </message>
    <message>
        <source>AEC Level</source>
        <translation>AEC 等級</translation>
    </message>
    <message>
        <source>Noise Reduction Level</source>
        <translation>降噪等級</translation>
    </message>
    <message>
        <source>Local Output(Select the output channels to which the signal after AEC processing is mixed)</source>
        <translation>本地輸出（選擇混入 AEC 處理後訊號的輸出通道）</translation>
    </message>
    <message>
        <source>Small Room %1</source>
        <translation>小房間 %1</translation>
    </message>
    <message>
        <source>(128ms)</source>
        <translation>(128ms)</translation>
    </message>
    <message>
        <source>Middle Room %1</source>
        <translation>中房間 %1</translation>
    </message>
    <message>
        <source>(256ms)</source>
        <translation>(256ms)</translation>
    </message>
    <message>
        <source>Big Room %1</source>
        <translation>大房間 %1</translation>
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
        <translation>強</translation>
    </message>
    <message>
        <source>Stronger</source>
        <translation>較強</translation>
    </message>
    <message>
        <source>Strongest</source>
        <translation>最強</translation>
    </message>
</context>
<context>
    <name>AECWidget3</name>
    <message>
        <source>Instructions for using AEC</source>
        <translation>AEC 使用說明</translation>
    </message>
    <message>
        <source>1. Select the local input channel (such as the local microphone in video conference).</source>
        <translation>1. 選擇本地輸入通道（如視訊會議中的本地麥克風）。</translation>
    </message>
    <message>
        <source>2. Select the remote input channel (such as the signal output from the conference terminal to the processor in video conference).</source>
        <translation>2. 選擇遠端輸入通道（如視訊會議中會議終端輸出到處理器的訊號）。</translation>
    </message>
    <message>
        <source>3. Set the echo cancellation level and enable echo cancellation.</source>
        <translation>3. 設定回音消除等級並啟用回音消除。</translation>
    </message>
    <message>
        <source>4. Mix the echo cancellation signal to the output channel.</source>
        <translation>4. 將回音消除訊號混入輸出通道。</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>使用說明</translation>
    </message>
</context>
<context>
    <name>ANCWidget</name>
    <message>
        <source>Channel Enabled</source>
        <translation>通道啟用</translation>
    </message>
    <message>
        <source>Noise Reduction Level</source>
        <translation>降噪等級</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>強</translation>
    </message>
    <message>
        <source>Strongest</source>
        <translation>最強</translation>
    </message>
</context>
<context>
    <name>ANCWidget2</name>
    <message>
        <source>Enabled</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Input(Select the input channels for ANC)</source>
        <translation>輸入（選擇用於 ANC 的輸入通道）</translation>
    </message>
    <message>
        <source>Suppression Level</source>
        <translation>抑制等級</translation>
    </message>
    <message>
        <source>Output(Select the output channels to which the signal after ANC processing is mixed)</source>
        <translation>輸出（選擇混入 ANC 處理後訊號的輸出通道）</translation>
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
        <translation>ANC 使用說明</translation>
    </message>
    <message>
        <source>1. Select the input channel for noise cancellation.</source>
        <translation>1. 選擇用於噪音消除的輸入通道。</translation>
    </message>
    <message>
        <source>2. Set the noise cancellation suppression level and enable noise cancellation.</source>
        <translation>2. 設定噪音消除的抑制等級並啟用噪音消除。</translation>
    </message>
    <message>
        <source>3. Mix the noise cancellation signal to the output channel.</source>
        <translation>3. 將噪音消除訊號混入輸出通道。</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>使用說明</translation>
    </message>
</context>
<context>
    <name>CancellationEditor</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>SignalGeneratorWidget</name>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Pink Noise</source>
        <translation>粉紅噪音</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>正弦波</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>白噪音</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
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
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>(dB)</source>
        <translation>(dB)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
</context>
</TS>
