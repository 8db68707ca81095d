#pragma once

#include "wire/MessageId.h"

// Every control message exchanged with the processor, named once. Handlers, the status poll,
// the editors and the dialogs all use these names; nobody spells a triple by hand.
namespace Msg {

// ---- type 1: firmware upgrade --------------------------------------------------------------
constexpr MessageId UpgradeData {1, 1, 1};
constexpr MessageId UpgradeStatus {1, 1, 2};
constexpr MessageId UpgradeProgress {1, 2, 1};

// ---- type 2, subType 1: login ------------------------------------------------------------------
constexpr MessageId Login {2, 1, 1};
constexpr MessageId LoginUser {2, 1, 2};

// ---- type 2, subType 2: system table -----------------------------------------------------------
constexpr MessageId SysModelName {2, 2, 1};
constexpr MessageId SysArmVersion {2, 2, 2};
constexpr MessageId SysDspVersion {2, 2, 3};
constexpr MessageId SysSerialNumber {2, 2, 4};
constexpr MessageId SysChannelConfig {2, 2, 5};
constexpr MessageId SysRunTime {2, 2, 6};
constexpr MessageId SysTotalTime {2, 2, 7};
constexpr MessageId SysBootCount {2, 2, 8};
constexpr MessageId SysTemperature {2, 2, 9};
constexpr MessageId SysLocation {2, 2, 10};
constexpr MessageId SysDescription {2, 2, 11};
constexpr MessageId SysDateTime {2, 2, 12};
constexpr MessageId SysNetwork {2, 2, 13};
constexpr MessageId SysFaultFlags {2, 2, 14};
constexpr MessageId SysPassword {2, 2, 15};
constexpr MessageId SysSystemMute {2, 2, 16};
constexpr MessageId SysRs232Baud {2, 2, 17};
constexpr MessageId SysStatus18 {2, 2, 18}; // RS-485 baud rate
constexpr MessageId SysDspUsage {2, 2, 19};
constexpr MessageId SysFaults {2, 2, 20};
constexpr MessageId SysFactoryReset {2, 2, 21};
constexpr MessageId SysChipDetect {2, 2, 22}; // factory test: chips that failed detection
constexpr MessageId SysGateReport {2, 2, 23};
constexpr MessageId SysArmBuild {2, 2, 24};
constexpr MessageId SysDeviceId {2, 2, 29};
constexpr MessageId SysUsbDisk {2, 2, 32};
constexpr MessageId SysDanteState {2, 2, 33};
constexpr MessageId SysDanteRestart {2, 2, 34};
constexpr MessageId SysStatus35 {2, 2, 35};
constexpr MessageId SysFanTest {2, 2, 37};
constexpr MessageId SysMacAddress {2, 2, 39};
constexpr MessageId SysUsbAutoPlay {2, 2, 40};
constexpr MessageId SysUserPassword {2, 2, 41};

// ---- type 2, other subTypes
// ----------------------------------------------------------------------
constexpr MessageId InputLabels {2, 3, 1};
constexpr MessageId OutputLabels {2, 3, 2};
constexpr MessageId InputShortLabels {2, 3, 3};
constexpr MessageId SysState4 {2, 4, 1};
constexpr MessageId UsbPlayCount {2, 5, 1};
constexpr MessageId UsbPlayList {2, 5, 2};
constexpr MessageId UsbPlayState {2, 5, 3};
constexpr MessageId UsbPlayControl {2, 5, 4}; // set only
constexpr MessageId UsbPlayFile {2, 5, 5};
constexpr MessageId UsbRecordCount {2, 5, 16};
constexpr MessageId UsbRecordList {2, 5, 17};
constexpr MessageId UsbRecordState {2, 5, 18};
constexpr MessageId UsbRecordControl {2, 5, 19}; // set only
constexpr MessageId UsbRecordFile {2, 5, 20};
constexpr MessageId GpioPort {2, 6, 1};
constexpr MessageId SyncConfig {2, 16, 1};
constexpr MessageId SyncStatus {2, 16, 2};

// ---- type 3: audio parameters, subType = processing module ------------------------------------
// In Setup
constexpr MessageId InputMeters {3, 1, 1};
constexpr MessageId InputMute {3, 1, 2};
constexpr MessageId InputMode {3, 1, 4};
constexpr MessageId InputPhantom {3, 1, 5};
constexpr MessageId InputGain {3, 1, 8};
// Gate
constexpr MessageId GateStatus {3, 2, 1};
constexpr MessageId GateParams {3, 2, 2};
// Feedback
constexpr MessageId FeedbackEnable {3, 3, 1};
// In Filter
constexpr MessageId InFilterHPF {3, 4, 1};
constexpr MessageId InFilterLPF {3, 4, 2};
constexpr MessageId InFilterPEQ {3, 4, 3};
constexpr MessageId InFilterCopy {3, 4, 4}; // set only
constexpr MessageId InFilterReset {3, 4, 5}; // set only
// In Limiter
constexpr MessageId InLimiter {3, 5, 1};
constexpr MessageId InLimiterCopy {3, 5, 2}; // set only
constexpr MessageId InLimiterReset {3, 5, 3}; // set only
constexpr MessageId InLimiterGain {3, 5, 4};
// In Delay
constexpr MessageId InDelay {3, 6, 1};
// Level Pre Mix
constexpr MessageId PreMixMute {3, 7, 1};
constexpr MessageId PreMixGain {3, 7, 2};
constexpr MessageId PreMixInvert {3, 7, 3};
constexpr MessageId PreMixGroup {3, 7, 4};
constexpr MessageId PreMixGainStep {3, 7, 5}; // set only
constexpr MessageId PreMixGainRange {3, 7, 6};
constexpr MessageId PreMixMeters {3, 7, 7};
constexpr MessageId PreMixPriority {3, 7, 8};
// Matrix
constexpr MessageId MatrixRoute {3, 8, 1};
constexpr MessageId MatrixGain {3, 8, 2};
constexpr MessageId MatrixSwitches {3, 8, 17};
// Signal Generator
constexpr MessageId SigGenOutputs {3, 9, 1};
constexpr MessageId SigGenFreq {3, 9, 2};
constexpr MessageId SigGenType {3, 9, 3};
constexpr MessageId SigGenGain {3, 9, 4};
constexpr MessageId SigGenMute {3, 9, 5};
// Out Level
constexpr MessageId OutputMeters {3, 11, 1};
constexpr MessageId OutMute {3, 11, 2};
constexpr MessageId OutGain {3, 11, 3};
constexpr MessageId OutInvert {3, 11, 4};
constexpr MessageId OutGroup {3, 11, 5};
constexpr MessageId OutGainStep {3, 11, 6}; // set only
constexpr MessageId OutGainRange {3, 11, 7};
constexpr MessageId OutputPreMeters {3, 11, 8};
constexpr MessageId UsbRecordSource {3, 11, 9};
// Out Filter
constexpr MessageId OutFilterHPF {3, 12, 1};
constexpr MessageId OutFilterLPF {3, 12, 2};
constexpr MessageId OutFilterPEQ {3, 12, 3};
constexpr MessageId OutFilterCopy {3, 12, 4}; // set only
constexpr MessageId OutFilterReset {3, 12, 5}; // set only
// Out Limiter
constexpr MessageId OutLimiter {3, 13, 1};
constexpr MessageId OutLimiterCopy {3, 13, 2}; // set only
constexpr MessageId OutLimiterReset {3, 13, 3}; // set only
// Out Delay
constexpr MessageId OutDelay {3, 14, 1};
// AEC
constexpr MessageId AecEnable {3, 15, 1};
constexpr MessageId AecConfig {3, 15, 2};
constexpr MessageId AecMatrix {3, 15, 17};
// AGC
constexpr MessageId Agc {3, 16, 1};
constexpr MessageId AgcCopy {3, 16, 2}; // set only
constexpr MessageId AgcReset {3, 16, 3}; // set only
// ANC
constexpr MessageId AncLevel {3, 17, 1}; // set and polled; no reply is read
constexpr MessageId AncConfig {3, 17, 2};
// Auto Mixer
constexpr MessageId AutoMixWeight {3, 18, 1};
constexpr MessageId AutoMixGroup {3, 18, 2};
constexpr MessageId AutoMixEnable {3, 18, 3};
constexpr MessageId AutoMixReset {3, 18, 4}; // set only
constexpr MessageId AutoMixMeters {3, 18, 5};
// Preset
constexpr MessageId PresetList {3, 32, 1};
constexpr MessageId PresetSave {3, 32, 2};
constexpr MessageId PresetLoadSlot {3, 32, 3}; // set only, as external controllers load a preset
constexpr MessageId PresetDelete {3, 32, 4};
constexpr MessageId PresetRename {3, 32, 5};
constexpr MessageId PresetActive {3, 32, 9}; // set: load a slot; reply: load progress
constexpr MessageId PresetExportAll {3, 32, 16};
constexpr MessageId PresetImportAll {3, 32, 17};
constexpr MessageId PresetExport {3, 32, 18};
constexpr MessageId PresetImport {3, 32, 19};

// ---- type 4, subType 1: Dante module
// -------------------------------------------------------------
constexpr MessageId DanteInfo {4, 1, 1};
constexpr MessageId DanteState3 {4, 1, 3};
constexpr MessageId DanteBlock4 {4, 1, 4};
constexpr MessageId DanteRename {4, 1, 17}; // set only
constexpr MessageId DanteLatency {4, 1, 18}; // set only
constexpr MessageId DanteNetwork {4, 1, 19}; // set only
constexpr MessageId DanteReboot {4, 1, 20}; // set only
constexpr MessageId DanteClearConfig {4, 1, 21}; // set only

} // namespace Msg
