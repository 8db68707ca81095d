<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ClearConfigDialog</name>
    <message>
        <source>Dante Setup</source>
        <translation>Dante设置</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear configuration and reboot now to take effect?</source>
        <translation>确定要清除配置并立即重启使其生效吗？</translation>
    </message>
    <message>
        <source>Keep Network Configuration</source>
        <translation>保留网络配置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DanteSetupDialog</name>
    <message>
        <source>Invalid</source>
        <translation>无效</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Initialising</source>
        <translation>初始化中</translation>
    </message>
    <message>
        <source>Faulty</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>侦听</translation>
    </message>
    <message>
        <source>Pre-Master</source>
        <translation>预主时钟</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>主</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>被动</translation>
    </message>
    <message>
        <source>Uncalibrated</source>
        <translation>未校准</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>从</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>待机</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>型号名称</translation>
    </message>
    <message>
        <source>Product Version</source>
        <translation>产品版本</translation>
    </message>
    <message>
        <source>Clock Status</source>
        <translation>时钟状态</translation>
    </message>
    <message>
        <source>Clock Source</source>
        <translation>时钟源</translation>
    </message>
    <message>
        <source>Clock State</source>
        <translation>时钟工作状态</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Device Latency</source>
        <translation>设备延时</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>DNS Server</source>
        <translation>DNS服务器</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Dante Internal</source>
        <translation>Dante内部</translation>
    </message>
    <message>
        <source>External</source>
        <translation>外部</translation>
    </message>
    <message>
        <source>Dante Setup</source>
        <translation>Dante设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The device name&apos;s length can not be greater than 31 bytes, please enter again!</source>
        <translation>设备名称的长度不能大于31个字节，请重新输入！</translation>
    </message>
    <message>
        <source>Renaming a device breaks existing audio routes from this device to other devices.
Are you sure that you want to rename</source>
        <translation>重命名设备会断开从此设备到其他设备的现有音频路由。
确定要将</translation>
    </message>
    <message>
        <source>Changing device latency will interrupt existing audio routes to and from this device.</source>
        <translation>更改设备延时会中断此设备现有的收发音频路由。</translation>
    </message>
    <message>
        <source>Are you sure that you want to change the latency from</source>
        <translation>确定要将延时从</translation>
    </message>
    <message>
        <source>Are you sure that you want to reboot?</source>
        <translation>确定要重启吗？</translation>
    </message>
    <message>
        <source>Are you sure that you want to change the IP address configuration and reboot now to take effect?</source>
        <translation>确定要更改IP地址配置并立即重启使其生效吗？</translation>
    </message>
    <message>
        <source>The channel label&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>通道标签的长度不能大于16个字节，请重新输入！</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Device Config</source>
        <translation>设备配置</translation>
    </message>
    <message>
        <source>Device Reset</source>
        <translation>设备复位</translation>
    </message>
    <message>
        <source>Receive Channel</source>
        <translation>接收通道</translation>
    </message>
    <message>
        <source>Transmit Channel</source>
        <translation>发送通道</translation>
    </message>
    <message>
        <source>Network Config</source>
        <translation>网络配置</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Clear Config</source>
        <translation>清除配置</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Channel Label</source>
        <translation>通道标签</translation>
    </message>
    <message>
        <source>Connected to</source>
        <translation>连接到</translation>
    </message>
    <message>
        <source>Obtain an IP Address Automatically</source>
        <translation>自动获取IP地址</translation>
    </message>
    <message>
        <source>Manually configure an IP Address</source>
        <translation>手动配置IP地址</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>* Please use the official software Dante Controller for Dante routing.</source>
        <translation>* 请使用官方软件 Dante Controller 进行Dante路由。</translation>
    </message>
    <message>
        <source>Click to download Dante Controller</source>
        <translation>点击下载 Dante Controller</translation>
    </message>
    <message>
        <source>to</source>
        <comment>rename the device to</comment>
        <translation>重命名为</translation>
    </message>
    <message>
        <source>to</source>
        <comment>change the latency to</comment>
        <translation>更改为</translation>
    </message>
</context>
<context>
    <name>DeviceSetupDialog</name>
    <message>
        <source>Device Model</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>DSP Version</source>
        <translation>DSP版本</translation>
    </message>
    <message>
        <source>ARM Version</source>
        <translation>ARM版本</translation>
    </message>
    <message>
        <source>Code ID</source>
        <translation>代码ID</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Boot Count</source>
        <translation>启动次数</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Run Time</source>
        <translation>运行时间</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>总时间</translation>
    </message>
    <message>
        <source>USB Status</source>
        <translation>USB状态</translation>
    </message>
    <message>
        <source>Channel Config</source>
        <translation>通道配置</translation>
    </message>
    <message>
        <source>Dante Support</source>
        <translation>支持Dante</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>设备状态</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>编解码器</translation>
    </message>
    <message>
        <source>Device Voltage</source>
        <translation>设备电压</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>设备ID</translation>
    </message>
    <message>
        <source>Device Location</source>
        <translation>设备位置</translation>
    </message>
    <message>
        <source>Device Description</source>
        <translation>设备描述</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Gate Report</source>
        <translation>门限上报</translation>
    </message>
    <message>
        <source>USB Auto Play</source>
        <translation>USB自动播放</translation>
    </message>
    <message>
        <source>Data Sync(Dual backup)</source>
        <translation>数据同步(双机备份)</translation>
    </message>
    <message>
        <source>Master IP Address</source>
        <translation>主机IP地址</translation>
    </message>
    <message>
        <source>Fan Test</source>
        <translation>风扇测试</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Admin Password Setting</source>
        <translation>管理员密码设置</translation>
    </message>
    <message>
        <source>Login Password Setting</source>
        <translation>登录密码设置</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Inserted</source>
        <translation>已插入</translation>
    </message>
    <message>
        <source>Not inserted</source>
        <translation>未插入</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Not Sync</source>
        <translation>未同步</translation>
    </message>
    <message>
        <source>Syncing</source>
        <translation>同步中</translation>
    </message>
    <message>
        <source>Synced</source>
        <translation>已同步</translation>
    </message>
    <message>
        <source>IN %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>OUT %1</source>
        <translation>输出 %1</translation>
    </message>
    <message>
        <source>User Password Setting</source>
        <translation>用户密码设置</translation>
    </message>
    <message>
        <source>Password set successfully!</source>
        <translation>密码设置成功！</translation>
    </message>
    <message>
        <source>Password setting failed!</source>
        <translation>密码设置失败！</translation>
    </message>
    <message>
        <source>Device Setup</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <source>The device location&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>设备位置的长度不能大于16个字节，请重新输入！</translation>
    </message>
    <message>
        <source>The device description&apos;s length can not be greater than 16 bytes, please enter again!</source>
        <translation>设备描述的长度不能大于16个字节，请重新输入！</translation>
    </message>
    <message>
        <source>The IP address&apos;s format is error, please enter again!</source>
        <translation>IP地址格式错误，请重新输入！</translation>
    </message>
    <message>
        <source>The subnet netmask&apos;s format is error, please enter again!</source>
        <translation>子网掩码格式错误，请重新输入！</translation>
    </message>
    <message>
        <source>The gateway address&apos;s format is error, please enter again!</source>
        <translation>网关地址格式错误，请重新输入！</translation>
    </message>
    <message>
        <source>The two passwords you entered are different, please enter again!</source>
        <translation>两次输入的密码不一致，请重新输入！</translation>
    </message>
    <message>
        <source>Device Information</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>General Setup</source>
        <translation>常规设置</translation>
    </message>
    <message>
        <source>Volume Limit</source>
        <translation>音量限制</translation>
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
        <source>RS232</source>
        <translation>RS232</translation>
    </message>
    <message>
        <source> Baud Rate</source>
        <translation> 波特率</translation>
    </message>
    <message>
        <source>RS485</source>
        <translation>RS485</translation>
    </message>
    <message>
        <source>On Boot</source>
        <translation>开机时</translation>
    </message>
    <message>
        <source>After Inserting Udisk</source>
        <translation>插入U盘后</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>主</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>从</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Fan trigger instructions:
The cooling fan of the machine is temperature controlled and automatically turns on.
When the temperature is greater than or equal to 30℃, the fan automatically turns on.
When the temperature is less than or equal to 27℃, the fan automatically turns off.</source>
        <translation>风扇触发说明：
本机散热风扇由温度控制，自动开启。
当温度大于或等于30℃时，风扇自动开启。
当温度小于或等于27℃时，风扇自动关闭。</translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation>管理员密码</translation>
    </message>
    <message>
        <source>Login Password</source>
        <translation>登录密码</translation>
    </message>
    <message>
        <source>User Password</source>
        <translation>用户密码</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
</context>
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
    <name>PasswordDialog</name>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
<context>
    <name>SystemUpgradeProgressDialog</name>
    <message>
        <source>Select a firmware file to upgrade</source>
        <translation>选择要升级的固件文件</translation>
    </message>
    <message>
        <source>img file</source>
        <translation>img 文件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>System Upgrade</source>
        <translation>系统升级</translation>
    </message>
</context>
<context>
    <name>TestDialog</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>%1 ℃</source>
        <translation>%1 ℃</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Aging Test</source>
        <translation>老化测试</translation>
    </message>
    <message>
        <source>IC Detect</source>
        <translation>芯片检测</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>+48V</source>
        <translation>+48V</translation>
    </message>
</context>
</TS>
