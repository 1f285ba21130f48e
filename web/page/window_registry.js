// The page's module of every window the core's registry lists, by the window's name: the core
// describes the window (its layout, its menu, the object to open), the module makes it.
import { ComparisonWindow } from './comparison_window.js';
import { PopulationWindow } from './population_window.js';
import { SimulationWindow } from './simulation_window.js';
import { ConfigurationWindow, StartWindow } from './start_windows.js';

export const windowModules = {
  Form2: StartWindow,
  Form3: ConfigurationWindow,
  form1: SimulationWindow,
  Form4: SimulationWindow,
  ComparisonForm: ComparisonWindow,
  PopulationForm: PopulationWindow,
};
