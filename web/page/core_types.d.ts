// The core's answers as the page reads them once decoded from their JSON (web/CONTRACT.md gives
// the shapes), the calls that give them, and the messages between the page and the worker.
// Geometry is in twips (15 to a pixel) unless a name says otherwise.

export type Color = { r: number; g: number; b: number } | { system: 'ButtonFace' | 'WindowText' };
export type FontFamily = 'MsSansSerif' | 'Verdana' | 'Arial' | 'Symbol';
export interface Font { family: FontFamily; points: number; bold: boolean }
export interface Box { left: number; top: number; width: number; height: number }
export interface Point { x: number; y: number }
export type Alignment = 'Left' | 'Right' | 'Center';

export type ControlKind = 'Label' | 'TextBox' | 'Button' | 'CheckBox' | 'Frame' | 'Line' | 'Rectangle' | 'Table'
  | 'Canvas' | 'SpinBox' | 'ProgressBar';

export interface Control {
  name: string;
  kind: ControlKind;
  /** The name of the frame that holds it, "" for the window's client area. */
  container: string;
  caption: string;
  /** The caption as shown: Symbol-font letters as Greek. */
  displayed: string;
  box: Box;
  font: Font;
  foreground?: Color;
  background?: Color;
  alignment: Alignment;
  tabIndex: number;
  enabled: boolean;
  visible: boolean;
  autoSize: boolean;
  transparent: boolean;
  border: boolean;
  middle: boolean;
  wordWrap: boolean;
  drawnByChart: boolean;
  lineWidth: number;
  toolTip: string;
  /** The button Escape presses. */
  cancel: boolean;
  /** A SpinBox's range. */
  minimum?: number;
  maximum?: number;
}

export interface WindowLayout {
  name: string;
  caption: string;
  clientWidth: number;
  clientHeight: number;
  background?: Color;
  fillColor?: Color;
  maximized: boolean;
  minMaxButtons: boolean;
  controls: Control[];
}

export interface Fill { type: 'Fill'; color: Color }
export interface GridLine { type: 'GridLine'; x1: number; y1: number; x2: number; y2: number; color: Color; width: number }
export interface SnappedBox { type: 'SnappedBox'; box: Box; fill?: Color; outline?: Color; keepVisible: boolean }
/** Solid when absent: a dash of 4 widths or a dot of 1, each followed by a gap of 2. */
export type LineStyle = 'Dashed' | 'Dotted';
export interface PlainLine { type: 'PlainLine'; from: Point; to: Point; color: Color; width: number; style?: LineStyle }
export interface PlainBox { type: 'PlainBox'; left: number; top: number; width: number; height: number; fill: Color; outline: Color }
export interface Dot { type: 'Dot'; x: number; y: number; radius: number; fill: Color; outline: Color }
export interface Curve { type: 'Curve'; points: Point[]; color: Color; width: number; style?: LineStyle }
export interface Text {
  type: 'Text';
  text: string;
  left: number;
  top: number;
  width: number;
  height: number;
  font: Font;
  color: Color;
  background?: Color;
  alignment: Alignment;
  vertical: 'Top' | 'Middle';
}
export type Primitive = Fill | GridLine | SnappedBox | PlainLine | PlainBox | Dot | Curve | Text;
export type Drawing = Primitive[];

/** What the window's logic says one control shows. */
export interface ControlState { name: string; text: string; enabled: boolean; visible: boolean; checked: boolean }

export type CoreEvent = { type: 'message'; text: string } | { type: 'focus'; control: string } | { type: 'busy'; on: boolean };

export type MenuCommand = 'SaveChart' | 'SaveMeans' | 'CopyStatistics' | 'NormalCurve' | 'TenMoreMeans' | 'HundredMoreMeans'
  | 'ZoomIn' | 'ZoomOut' | 'ActualSize' | 'FullScreen' | 'CompareSampleSizes' | 'TeacherGuide' | 'About' | 'OpenPopulation'
  | 'PastePopulation' | 'ProgramPopulation' | 'PlayPause' | 'SetSeed' | 'SaveChartSvg' | 'SaveComparison' | 'ShowPopulation'
  | 'ShowSample' | 'ShowIntervals' | 'PlanSampleSize' | 'SaveIntervals' | 'Exit' | 'Restart' | 'PopulationMean'
  | 'UndoPopulation' | 'HighContrast' | 'PlayHistogram';

export interface MenuEntry {
  command: MenuCommand;
  caption: string;
  keys: string[];
  checkable: boolean;
  group: 'Arquivo' | 'Exibir' | 'Simulação' | 'Ajuda';
  contextMenu: boolean;
  save?: { title: string; fileName: string; filter: string };
  input?: { title: string; prompt: string };
}
export interface Menu { caption: string; entries: MenuEntry[] }

/** The object each window of the core's registry opens for itself ("" for none). */
export interface WindowSessions {
  Form2: '';
  Form3: 'Configuration';
  form1: 'Simulation';
  Form4: 'Simulation';
  ComparisonForm: 'Comparison';
  PopulationForm: 'Population';
  IntervalForm: 'Intervals';
  PlannerForm: 'Planner';
}
export type WindowName = keyof WindowSessions;
export interface WindowDescription<N extends WindowName = WindowName> {
  layout: WindowLayout;
  menu: MenuEntry[];
  menuBar: Menu[];
  session: WindowSessions[N];
}

export interface DialogTexts {
  ok: string;
  cancel: string;
  close: string;
  aboutTitle: string;
  guideTitle: string;
  guideMissing: string;
  coreFailed: string;
  messageTitle: string;
}

/** How the commas of a population file read: "" before the teacher is asked. */
export type Commas = 'decimal' | 'separator' | '';
export type Separator = '.' | ',';

export interface PopulationPreview {
  ambiguousCommas: boolean;
  columns: string[];
  rows: string[][];
  suggested: number;
  question: string;
  prompt: string;
  captions: { decimal: string; separator: string; cancel: string; title: string; use: string };
}
export interface PopulationChoice { ok: boolean; message: string; count: number; file: string; unremembered?: string }
export interface PopulationView { ok: boolean; controls: ControlState[] }

/** A window's answer to a click: what to tell the teacher, and what its controls show now. */
export interface Answer { events: CoreEvent[]; controls: ControlState[] }
export interface Checked extends Answer { ok: boolean }
export interface NothingToSave { nothing: boolean; events: CoreEvent[] }
/** A class of a histogram heard: its pitch (0 for a rest) and how long it lasts. */
export interface Tone { frequency: number; seconds: number }
/** The histogram as tones; none, with the message to show, before there is one. */
export interface Tones { tones: Tone[]; events: CoreEvent[] }
export interface ProjectorTheme {
  background: Color; text: Color; face: Color; accent: Color; disabledText: Color;
  /** Each colour of the drawings and what it becomes in the theme. */
  changes: { from: Color; to: Color }[];
}

/** A call's arguments and its answer, decoded. */
interface Call<A extends unknown[], R> { args: A; answer: R }
/** Calls by their names. */
export type CallTable = Record<string, Call<unknown[], unknown>>;

export type ZoomCommand = 'ZoomIn' | 'ZoomOut' | 'ActualSize' | 'Fit';

/** The module's own calls. Sizes here are in CSS pixels, as the page measures its windows. */
export type ModuleCalls = {
  setPopulation: Call<[bytes: Uint8Array, name: string], boolean>;
  previewPopulation: Call<[bytes: Uint8Array, name: string, commas: Commas], PopulationPreview>;
  choosePopulation: Call<[bytes: Uint8Array, name: string, column: string, commas: Commas], PopulationChoice>;
  useProgramPopulation: Call<[], { ok: boolean; message: string }>;
  pasteQuestion: Call<[bytes: Uint8Array, column: string, commas: Commas, separator: Separator],
    { question: string | null; use: string; cancel: string }>;
  undoPopulation: Call<[], { ok: boolean; message: string }>;
  window: Call<[name: WindowName], WindowDescription | null>;
  layout: Call<[name: string], WindowLayout | null>;
  menu: Call<[name: string], MenuEntry[] | null>;
  menuBar: Call<[name: string], Menu[] | null>;
  zoomStep: Call<[command: ZoomCommand, zoom: number, windowWidth: number, windowHeight: number, screenWidth: number,
    screenHeight: number], number>;
  fullScreen: Call<[contentWidth: number, contentHeight: number, screenWidth: number, screenHeight: number],
    { scale: number; left: number; top: number }>;
  evenLineWidth: Call<[width: number, scale: number], number>;
  aboutText: Call<[], string>;
  dialogTexts: Call<[], DialogTexts>;
  centredOnScreen: Call<[screenWidthTwips: number, panelWidthTwips: number], number>;
  projectorTheme: Call<[], ProjectorTheme>;
};

/** Each session's class: the arguments it is opened with, and its calls. */
export interface SessionCalls {
  Configuration: {
    opened: [];
    calls: {
      instantClicked: Call<[sampleSize: string, repetitions: string], { open: 'none' | 'form1' | 'Form4'; events: CoreEvent[] }>;
      stepByStepClicked: Call<[sampleSize: string, repetitions: string], { open: 'none' | 'form1' | 'Form4'; events: CoreEvent[] }>;
    };
  };
  Simulation: {
    /** The window's name, the seed ("" for one picked for each run), the decimal separator. */
    opened: [kind: string, seed: string, separator: Separator];
    calls: {
      load: Call<[sampleSize: string, repetitions: string], Checked>;
      simulate: Call<[], Answer>;
      simulateMany: Call<[count: number], Answer>;
      showNormalCurve: Call<[on: boolean], Answer>;
      showPopulationMean: Call<[on: boolean], Answer>;
      restart: Call<[], Answer>;
      setSeed: Call<[text: string], Checked>;
      playPause: Call<[], Answer>;
      controls: Call<[], ControlState[]>;
      drawing: Call<[], Drawing>;
      picture: Call<[], { region: Box; drawing: Drawing }>;
      svg: Call<[], string>;
      nothingToSave: Call<[], NothingToSave>;
      /** Text, or its bytes where the module hands those over. */
      meansCsv: Call<[], string | Uint8Array<ArrayBuffer>>;
      tabulatedStatistics: Call<[], string>;
      seedLine: Call<[], string>;
      seed: Call<[], string>;
      means: Call<[], number[]>;
      population: Call<[sample: boolean], PopulationView>;
      populationChart: Call<[widthTwips: number, heightTwips: number], Drawing>;
      tones: Call<[], Tones>;
      populationTones: Call<[], Tones>;
    };
  };
  Population: {
    opened: [separator: Separator];
    calls: {
      load: Call<[], PopulationView>;
      chart: Call<[widthTwips: number, heightTwips: number], Drawing>;
      tones: Call<[], Tones>;
    };
  };
  Comparison: {
    opened: [seed: string, separator: Separator];
    calls: {
      compare: Call<[sizes: string, repetitions: string], Answer>;
      controls: Call<[], ControlState[]>;
      start: Call<[sizes: string, repetitions: string], { events: CoreEvent[]; total: number }>;
      step: Call<[], { completed: number; total: number }>;
      finish: Call<[], Answer>;
      cancel: Call<[], Record<string, never>>;
      nothingToSave: Call<[], NothingToSave>;
      resultsCsv: Call<[], string | Uint8Array<ArrayBuffer>>;
      chart: Call<[widthTwips: number, heightTwips: number], Drawing>;
      tones: Call<[], Tones>;
    };
  };
  Intervals: {
    opened: [seed: string, separator: Separator];
    calls: {
      /** The configuration screen's n and R: R samples drawn, none shown yet. */
      load: Call<[sampleSize: string, repetitions: string], Checked>;
      showNext: Call<[count: number], Answer>;
      showAll: Call<[], Answer>;
      playPause: Call<[], Answer>;
      /** The level as typed, from 80 to 99. */
      setLevel: Call<[level: string], Checked>;
      setNormal: Call<[on: boolean], Answer>;
      setCorrection: Call<[on: boolean], Answer>;
      compareCorrection: Call<[], Answer>;
      controls: Call<[], ControlState[]>;
      chart: Call<[widthTwips: number, heightTwips: number], Drawing>;
      nothingToSave: Call<[], NothingToSave>;
      intervalsCsv: Call<[], string | Uint8Array<ArrayBuffer>>;
      seedLine: Call<[], string>;
    };
  };
  Planner: {
    opened: [seed: string, separator: Separator];
    calls: {
      load: Call<[], Checked>;
      /** The margin (a decimal point or comma) and the level as typed. */
      plan: Call<[margin: string, level: string], Checked>;
      verify: Call<[margin: string, level: string, repetitions: string], Checked>;
      controls: Call<[], ControlState[]>;
      chart: Call<[widthTwips: number, heightTwips: number], Drawing>;
      seedLine: Call<[], string>;
    };
  };
}
export type SessionClass = keyof SessionCalls;

/** What the page posts to the worker: a module call, or a call of the session numbered `session`. */
export interface CoreRequest { id: number; call: string; args?: unknown[]; session?: number }
/** The worker's reply: the call's result as the module gave it (JSON text mostly), or its failure. */
export interface CoreReply { id: number; result?: unknown; error?: string }

/** A text's size in the default font's stand-in, in twips. */
export interface TextSize { width: number; height: number }

