inherited frmTpoper: TfrmTpoper
  Left = 250
  Top = 150
  Width = 640
  Height = 480
  BorderIcons = [biSystemMenu]
  Caption = 'Cadastramento Automático de Tipo de Operação por Filial'
  Position = poMainFormCenter
  OnCreate = FormCreate
  inherited panMenu: TPanel
    inherited lblCodTela: TLabel
      Caption = 'GER99501'
    end
  end
end
