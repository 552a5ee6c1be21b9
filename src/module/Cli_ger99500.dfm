inherited frmTpOperFil: TfrmTpOperFil
  Left = 214
  Top = 107
  Width = 720
  Height = 520
  Caption = 'Tipo de Operação por Filial'
  FormStyle = fsMDIChild
  Visible = True
  OnActivate = FormActivate
  OnCreate = FormCreate
  OnShow = FormShow
  inherited msgPadrao: TMessages
    Messages.Strings = (
      'Filial_Cad|Filial não cadastrada.'
      'Filial_Inf|Filial deve ser informada.'
      'Atual_Server|Atualizando dados no servidor'
      'Cliente_Inv|Cliente deve ser informado.'
      'Cliente_Cad|Cliente não cadastrado.'
      'TipoOperacao_DINF|Tipo de Operação deve ser informado'
      'TipoOperacao_NCAD|Tipo de Operação não cadastrado.'
      'TipoOperacao|Tipo Operação'
      'TipoOPeracao_n_cad|Não há tipo de operação cadastrado.'
      'Excl|Confirma exclusão?'
      'Canc|Cancelar operação?'
      'OP_J_Cad|Tipo de operação já cadastrado.')
  end
  inherited panMenu: TPanel
    inherited lblCodTela: TLabel
      Caption = 'GER99500'
    end
  end
  inherited panBotoes: TPanel
    inherited sbtImportExport: TButtonFlat
      Hint = 'Confirmar'
      Enabled = False
      Glyph.Data = {
        F6000000424DF600000000000000760000002800000010000000100000000100
        0400000000008000000000000000000000001000000000000000000000000000
        80000080000000808000800000008000800080800000C0C0C000808080000000
        FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00333333333333
        33333333333333333333333332233333333333332AA2333333333332AAAA2333
        3333332AAAAAA233333332AAA22AA23333332AAA2332AA23333332A233332AA2
        33333323333332AA233333333333332AA233333333333332AA23333333333333
        2A23333333333333323333333333333333333333333333333333}
      OnClick = sbtImportExportClick
    end
    inherited sbtCancel: TButtonFlat
      Top = 123
    end
    object btnAutomatico: TButtonFlat
      Left = 4
      Top = 30
      Width = 23
      Height = 22
      Hint = 'Cadastramento Automático'
      Glyph.Data = {
        F6000000424DF600000000000000760000002800000010000000100000000100
        0400000000008000000000000000000000001000000000000000000000000000
        80000080000000808000800000008000800080800000C0C0C000808080000000
        FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00333333333333
        333333300333333333333330B0333333333333330B033333333333330BB03333
        3333333330BB03333333333330BBB03333333333330BBB0333333000000BBBB0
        333330BBBBBBBBBB0333330BBBBBB00000333330BBBBB033333333330BBBBB03
        3333333330BBBBB033333333330BBBBB03333333333000000033}
      OnClick = btnAutomaticoClick
    end
    object sbtIncluir: TButtonFlat
      Left = 4
      Top = 52
      Width = 23
      Height = 22
      Hint = 'Incluir'
      Enabled = False
      Glyph.Data = {
        F6000000424DF600000000000000760000002800000010000000100000000100
        0400000000008000000000000000000000001000000000000000000000000000
        80000080000000808000800000008000800080800000C0C0C000808080000000
        FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00330000000000
        0033330FFFFFFFFFF033330FFFFFFFFFF033330FFFF22FFFF033330FFFF22FFF
        F033330FFFF22FFFF033330F22222222F033330F22222222F033330FFFF22FFF
        F033330FFFF22FFFF033330FFFF22FFFF033330FFFFFF0000033330FFFFFF0FF
        0333330FFFFFF0F03333330FFFFFF00333333300000000333333}
      OnClick = sbtIncluirClick
    end
    object sbtExcluir: TButtonFlat
      Left = 4
      Top = 74
      Width = 23
      Height = 22
      Hint = 'Excluir'
      Enabled = False
      Glyph.Data = {
        F6000000424DF600000000000000760000002800000010000000100000000100
        0400000000008000000000000000000000001000000000000000000000000000
        80000080000000808000800000008000800080800000C0C0C000808080000000
        FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00330000000000
        0033330FFFFFFFFFF033330FFFFFFFFFF033330FFFFFFFFFF033330FFFFFFFFF
        F033330FFFFFFFFFF033330F99999999F033330F99999999F033330FFFFFFFFF
        F033330FFFFFFFFFF033330FFFFFFFFFF033330FFFFFF0000033330FFFFFF0FF
        0333330FFFFFF0F03333330FFFFFF00333333300000000333333}
      OnClick = sbtExcluirClick
    end
    object sbtCancelar: TButtonFlat
      Left = 4
      Top = 101
      Width = 23
      Height = 22
      Hint = 'Cancelar'
      Enabled = False
      Glyph.Data = {
        F6000000424DF600000000000000760000002800000010000000100000000100
        0400000000008000000000000000000000001000000000000000000000000000
        80000080000000808000800000008000800080800000C0C0C000808080000000
        FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00333333333333
        333333333CCCCC33333333333CCCCCCC333333333CCCCCCCC3333333333333CC
        CC3333333333333CCCC3333333333333CCC33333C333333CCCC3333CC33333CC
        CCC333CCCCCCCCCCCC333CCCCCCCCCCCC33333CCCCCCCCC33333333CC3333333
        33333333C3333333333333333333333333333333333333333333}
      OnClick = sbtCancelarClick
    end
    object imgEndeNaoSele: TImage
      Left = 8
      Top = 160
      Width = 16
      Height = 16
      Visible = False
      Picture.Data = {
        07544269746D6170F6000000424DF60000000000000076000000280000001000
        0000100000000100040000000000800000000000000000000000100000000000
        000000000000000080000080000000808000800000008000800080800000C0C0
        C000808080000000FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFF
        FF00000000000000FFFF0BBBBBBBBBB0FFFF0BBBBBBBBBB000FF0BBBBBBBBBB0
        B0FF0BBBBBBBBBB0B0FF0BBBBBBBBBB0B0000BBBBBBBBBB0B0B00BBBBBBBBBB0
        B0B000BBB0000000B0B0F0BBB0BBBBBBB0B0F00000BBBBBBB0B0FF0BBBBBBBBB
        B0B0FF000000000000B0FFFF0BBBBBBBBBB0FFFF0BBBBBBBBBB0FFFF00000000
        0000}
    end
    object imgEndeSele: TImage
      Left = 8
      Top = 180
      Width = 16
      Height = 16
      Visible = False
      Picture.Data = {
        07544269746D6170F6000000424DF60000000000000076000000280000001000
        0000100000000100040000000000800000000000000000000000100000000000
        000000000000000080000080000000808000800000008000800080800000C0C0
        C000808080000000FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFF
        FF00000000000000FFFF0BBBBBB22220FFFF0BBBBB22AA2200FF0BBBB22AAAA2
        20FF0BBB22AA22AA22FF0BBB2AA2222AA2200BBB2A22BB22AA220BBB222BBBB2
        2AA200BBB000000022A2F0BBB0BBBBBBB222F00000BBBBBBB0B0FF0BBBBBBBBB
        B0B0FF000000000000B0FFFF0BBBBBBBBBB0FFFF0BBBBBBBBBB0FFFF00000000
        0000}
    end
  end
  inherited grbDadosRel: TGroupBox
    object panFilial: TPanel
      Left = 2
      Top = 15
      Width = 684
      Height = 41
      Align = alTop
      BevelOuter = bvNone
      TabOrder = 0
      OnExit = panFilialExit
      object lblFilial: TLabel
        Left = 8
        Top = 14
        Width = 30
        Height = 13
        Caption = 'Filial'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object medFilial: TMaskEdit
        Left = 44
        Top = 10
        Width = 41
        Height = 21
        Color = clInfoBk
        EditMask = '>aaaa;0; '
        MaxLength = 4
        TabOrder = 0
        OnChange = medFilialChange
        OnEnter = medFilialEnter
        OnExit = medFilialExit
      end
      object btpFilial: TBtnPesquisa
        Left = 87
        Top = 9
        Width = 23
        Height = 22
        Hint = 'Pesquisar'
        ShowHint = True
        Associate = medFilial
        Title = 'Filial'
        DataSource = dtsFilial
        EmptyError = 'Não há filial cadastrada.'
        OnBeforePesq = btpFilialBeforePesq
        OnAfterPesq = btpFilialAfterPesq
      end
      object edtNmFilial: TEdit
        Left = 112
        Top = 10
        Width = 300
        Height = 21
        TabStop = False
        Color = clBtnFace
        Enabled = False
        TabOrder = 1
      end
    end
    object panTpOper: TPanel
      Left = 2
      Top = 56
      Width = 684
      Height = 384
      Align = alClient
      BevelOuter = bvNone
      TabOrder = 1
      object pgcTipoOperFili: TPageControl
        Left = 0
        Top = 0
        Width = 684
        Height = 384
        ActivePage = tshTipoOperFili
        Align = alClient
        TabOrder = 0
        OnChange = pgcTipoOperFiliChange
        object tshTipoOperFili: TTabSheet
          Caption = 'Tipo de operação por Filial'
          object dbgPadrao: TDBGrid
            Left = 0
            Top = 0
            Width = 676
            Height = 356
            Align = alClient
            BorderStyle = bsNone
            Color = clInfoBk
            DataSource = dtsTpOperFil
            ShowHint = True
            Options = [dgEditing, dgTitles, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgAlwaysShowSelection, dgCancelOnExit]
            TabOrder = 0
            OnColEnter = dbgPadraoColEnter
            OnDblClick = dbgPadraoDblClick
            OnDrawColumnCell = dbgPadraoDrawColumnCell
            OnKeyDown = dbgPadraoKeyDown
            OnMouseMove = dbgPadraoMouseMove
            Columns = <
              item
                Expanded = False
                FieldName = 'OPERACAO'
                Width = 300
                Visible = True
              end
              item
                Expanded = False
                FieldName = 'IDLIBERADO'
                PickList.Strings = (
                  'Sim'
                  'Não')
                Width = 70
                Visible = True
              end
              item
                Expanded = False
                FieldName = 'IDLANCMANUAL'
                PickList.Strings = (
                  'Sim'
                  'Não')
                Width = 130
                Visible = True
              end
              item
                Expanded = False
                FieldName = 'IDENDEMISTPOPFIL'
                Width = 100
                Visible = True
              end>
          end
        end
        object tshTipoOperCli: TTabSheet
          Caption = 'Tipo de Operação por Cliente'
          ImageIndex = 1
          object panParamClie: TPanel
            Left = 0
            Top = 0
            Width = 676
            Height = 356
            Align = alClient
            BevelOuter = bvNone
            TabOrder = 0
            object scbParamClie: TScrollBox
              Left = 0
              Top = 0
              Width = 676
              Height = 356
              Align = alClient
              BorderStyle = bsNone
              TabOrder = 0
              object BtnPesquisa1: TBtnPesquisa
                Left = 650
                Top = 9
                Width = 23
                Height = 22
                Visible = False
                Title = 'Fornecedor'
                EmptyError = 'Não há fornecedor cadastrado.'
                PesqChave = True
              end
              object panTipoOperCli: TPanel
                Left = 0
                Top = 0
                Width = 676
                Height = 41
                Align = alTop
                BevelOuter = bvNone
                TabOrder = 0
                OnEnter = panTipoOperCliEnter
                OnExit = panTipoOperCliExit
                object nbkForneCli: TNotebook
                  Left = 0
                  Top = 0
                  Width = 676
                  Height = 41
                  Align = alClient
                  PageIndex = 1
                  TabOrder = 0
                  object TPage
                    Left = 0
                    Top = 0
                    Caption = 'Fornecedor'
                    object medFornecedor: TMaskEdit
                      Left = 76
                      Top = 10
                      Width = 121
                      Height = 21
                      Color = clInfoBk
                      TabOrder = 0
                    end
                    object BtnPesquisa2: TBtnPesquisa
                      Left = 199
                      Top = 9
                      Width = 23
                      Height = 22
                      Hint = 'Pesquisar'
                      ShowHint = True
                      Associate = medFornecedor
                      Title = 'Fornecedor'
                      EmptyError = 'Não há fornecedor cadastrado.'
                    end
                    object edtNMFornecedor: TEdit
                      Left = 224
                      Top = 10
                      Width = 300
                      Height = 21
                      TabStop = False
                      Color = clBtnFace
                      Enabled = False
                      TabOrder = 1
                    end
                  end
                  object TPage
                    Left = 0
                    Top = 0
                    Caption = 'Cliente'
                    object Cliente: TLabel
                      Left = 8
                      Top = 14
                      Width = 39
                      Height = 13
                      Caption = 'Cliente'
                      Font.Style = [fsBold]
                      ParentFont = False
                    end
                    object medCdCliente: TMaskEdit
                      Left = 56
                      Top = 10
                      Width = 121
                      Height = 21
                      Color = clInfoBk
                      TabOrder = 0
                      OnChange = medCdClienteChange
                    end
                    object btnCliente: TBtnPesquisa
                      Left = 179
                      Top = 9
                      Width = 23
                      Height = 22
                      Hint = 'Pesquisar'
                      ShowHint = True
                      Associate = medCdCliente
                      Title = 'Cliente'
                      DataSource = dtsCli
                      EmptyError = 'Não há cliente cadastrado.'
                      OnBeforePesq = btnClienteBeforePesq
                      OnAfterPesq = btnClienteAfterPesq
                    end
                    object edtNmCliente: TEdit
                      Left = 204
                      Top = 10
                      Width = 300
                      Height = 21
                      TabStop = False
                      Color = clBtnFace
                      Enabled = False
                      TabOrder = 1
                    end
                  end
                end
              end
              object dbgTipoOperCli: TDBGrid
                Left = 0
                Top = 41
                Width = 676
                Height = 315
                Align = alClient
                BorderStyle = bsNone
                Color = clInfoBk
                DataSource = dtsTpOperCli
                ShowHint = True
                Options = [dgEditing, dgTitles, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit]
                TabOrder = 1
                OnColExit = dbgTipoOperCliColExit
                OnDrawColumnCell = dbgTipoOperCliDrawColumnCell
                OnEditButtonClick = dbgTipoOperCliEditButtonClick
                OnEnter = dbgTipoOperCliEnter
                OnKeyDown = dbgTipoOperCliKeyDown
                OnKeyPress = dbgTipoOperCliKeyPress
                OnMouseMove = dbgTipoOperCliMouseMove
                Columns = <
                  item
                    Expanded = False
                    FieldName = 'CDTIPOOPER'
                    ReadOnly = True
                    Title.Caption = 'Código'
                    Visible = True
                  end
                  item
                    Expanded = False
                    FieldName = 'NMTIPOOPER'
                    ReadOnly = True
                    Width = 312
                    Visible = True
                  end>
              end
            end
          end
        end
      end
    end
  end
  object netTpOperFil: TNetConnection
    ServerName = 'Ger99500.rdmTpOperFil'
    BeforeConnect = netTpOperFilBeforeConnect
    ThrowException = False
  end
  object cdsTpOperFil: TClientDataSet
    Aggregates = <>
    Params = <>
    BeforeInsert = cdsTpOperFilBeforeInsert
    AfterPost = cdsTpOperFilAfterPost
    BeforeDelete = cdsTpOperFilBeforeDelete
    Left = 588
    Top = 8
    object cdsTpOperFilOPERACAO: TStringField
      DisplayLabel = 'Tipo de Operação'
      FieldName = 'OPERACAO'
      Size = 35
    end
    object cdsTpOperFilIDLIBERADO: TStringField
      DisplayLabel = 'Liberado'
      FieldName = 'IDLIBERADO'
      OnGetText = cdsTpOperFilIDLIBERADOGetText
      OnSetText = cdsTpOperFilIDLIBERADOSetText
      Size = 1
    end
    object cdsTpOperFilIDLANCMANUAL: TStringField
      DisplayLabel = 'Permite Lanc. Manual'
      FieldName = 'IDLANCMANUAL'
      OnGetText = cdsTpOperFilIDLANCMANUALGetText
      OnSetText = cdsTpOperFilIDLANCMANUALSetText
      Size = 1
    end
    object cdsTpOperFilCDFILIAL: TStringField
      FieldName = 'CDFILIAL'
      Visible = False
      Size = 4
    end
    object cdsTpOperFilCDTIPOOPER: TStringField
      FieldName = 'CDTIPOOPER'
      Visible = False
      Size = 2
    end
    object cdsTpOperFilIDENDEMISTPOPFIL: TStringField
      DisplayLabel = 'Dados Emissão NF'
      FieldName = 'IDENDEMISTPOPFIL'
      Size = 1
    end
  end
  object dtsTpOperFil: TDataSource
    DataSet = cdsTpOperFil
    OnStateChange = dtsTpOperFilStateChange
    Left = 556
    Top = 8
  end
  object cdsTpOperCli: TClientDataSet
    Aggregates = <>
    Params = <>
    BeforeInsert = cdsTpOperCliBeforeInsert
    BeforeEdit = cdsTpOperCliBeforeEdit
    BeforePost = cdsTpOperCliBeforePost
    AfterPost = cdsTpOperCliAfterPost
    AfterDelete = cdsTpOperCliAfterDelete
    Left = 588
    Top = 40
    object cdsTpOperCliCDFILIAL: TStringField
      DisplayLabel = 'Filial'
      FieldName = 'CDFILIAL'
      Visible = False
      Size = 4
    end
    object cdsTpOperCliCDTIPOOPER: TStringField
      DisplayLabel = 'Tipo de Operação'
      FieldName = 'CDTIPOOPER'
      Size = 2
    end
    object cdsTpOperCliNMTIPOOPER: TStringField
      DisplayLabel = 'Descrição'
      FieldName = 'NMTIPOOPER'
      Size = 30
    end
    object cdsTpOperCliCDFORNCLIE: TStringField
      FieldName = 'CDFORNCLIE'
      Visible = False
      Size = 21
    end
    object cdsTpOperCliNRINSCRICAO: TStringField
      FieldName = 'NRINSCRICAO'
      Visible = False
    end
    object cdsTpOperCliNMRAZAOSOCIAL: TStringField
      FieldName = 'NMRAZAOSOCIAL'
      Visible = False
      Size = 50
    end
    object cdsTpOperCliIDTIPOJUR: TStringField
      FieldName = 'IDTIPOJUR'
      Visible = False
      Size = 1
    end
  end
  object dtsTpOperCli: TDataSource
    DataSet = cdsTpOperCli
    OnStateChange = dtsTpOperCliStateChange
    Left = 556
    Top = 40
  end
  object cdsVd_OperCli: TClientDataSet
    Aggregates = <>
    Params = <>
    Left = 588
    Top = 72
    object cdsVd_OperCliCDFILIAL: TStringField
      DisplayLabel = 'Filial'
      FieldName = 'CDFILIAL'
      Visible = False
      Size = 4
    end
    object cdsVd_OperCliCDTIPOOPER: TStringField
      FieldName = 'CDTIPOOPER'
      Size = 2
    end
    object cdsVd_OperCliNMTIPOOPER: TStringField
      FieldName = 'NMTIPOOPER'
      Size = 30
    end
  end
  object dtsVd_OperCli: TDataSource
    DataSet = cdsVd_OperCli
    Left = 556
    Top = 72
  end
  object qryFilial: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    Parameters = <
      item
        Name = 'P_CDFILIAL'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_TCDFILIAL'
        DataType = ftString
        Size = -1
        Value = Null
      end>
    SQL_ORACLE.Strings = (
      'SELECT'
      '   A.CDFILIAL, A.NMFILIAL,'
      '   A.CDEMPRESA, A.CDINSCESTA, A.CDINSCMUNI,'
      '   A.CDSERIE'
      'FROM FILIAL A'
      'WHERE'
      '   (A.CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = ''T'')'
      'ORDER BY 1'
      ' '
      ' ')
    SQL_MSSQL.Strings = (
      'SELECT'
      '   A.CDFILIAL, A.NMFILIAL,'
      '   A.CDEMPRESA, A.CDINSCESTA, A.CDINSCMUNI,'
      '   A.CDSERIE'
      'FROM FILIAL A'
      'WHERE'
      '   (A.CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = ''T'')'
      'ORDER BY 1'
      ' '
      ' ')
    SQL_IB.Strings = (
      'SELECT'
      '   A.CDFILIAL, A.NMFILIAL,'
      '   A.CDEMPRESA, A.CDINSCESTA, A.CDINSCMUNI,'
      '   A.CDSERIE'
      'FROM FILIAL A'
      'WHERE'
      '   (A.CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = ''T'')'
      'ORDER BY 1'
      ' '
      ' '
      ' ')
    Left = 524
    Top = 8
    object qryFilialCDFILIAL: TADOIBStringField
      DisplayLabel = 'Código'
      FieldName = 'CDFILIAL'
      Required = True
      Size = 4
    end
    object qryFilialNMFILIAL: TADOIBStringField
      DisplayLabel = 'Nome'
      FieldName = 'NMFILIAL'
      Size = 30
    end
    object qryFilialCDEMPRESA: TADOIBStringField
      FieldName = 'CDEMPRESA'
      Visible = False
      Size = 2
    end
    object qryFilialCDINSCESTA: TADOIBStringField
      FieldName = 'CDINSCESTA'
      Visible = False
      Size = 16
    end
    object qryFilialCDINSCMUNI: TADOIBStringField
      FieldName = 'CDINSCMUNI'
      Visible = False
      Size = 16
    end
    object qryFilialCDSERIE: TADOIBStringField
      FieldName = 'CDSERIE'
      Visible = False
      Size = 5
    end
  end
  object dtsFilial: TDataSource
    DataSet = qryFilial
    Left = 492
    Top = 8
  end
  object qryCliente: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    Parameters = <
      item
        Name = 'P_NRINSJURCLIE'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_TODOS'
        DataType = ftString
        Size = -1
        Value = Null
      end>
    SQL_ORACLE.Strings = (
      'SELECT'
      '   C.CDCLIENTE, C.IDTPIJURCLIE, C.NRINSJURCLIE, C.NMRAZSOCCLIE, C.NMFANTCLIE'
      'FROM CLIENTE C'
      'WHERE'
      '   (C.NRINSJURCLIE = :P_NRINSJURCLIE OR (:P_TODOS = ''T''))'
      'ORDER BY NRINSJURCLIE')
    SQL_MSSQL.Strings = (
      'SELECT C.CDCLIENTE, C.IDTPIJURCLIE, C.NRINSJURCLIE, C.NMRAZSOCCLIE, C.NMFANTCLIE'
      '  FROM CLIENTE C'
      ' WHERE(C.NRINSJURCLIE = :P_NRINSJURCLIE OR (:P_TODOS = ''T''))'
      'ORDER BY NRINSJURCLIE')
    SQL_IB.Strings = (
      'SELECT CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE'
      'FROM CLIENTE, PARAM(:P_NRINSJURCLIE) P_NRINSJURCLIE'
      'WHERE ((NRINSJURCLIE = P_NRINSJURCLIE.PARAM) OR (:P_TODOS = ''T''))'
      'ORDER BY NRINSJURCLIE')
    Left = 524
    Top = 40
    object qryClienteCDCLIENTE: TADOIBStringField
      FieldName = 'CDCLIENTE'
      Visible = False
      Size = 21
    end
    object qryClienteNMRAZSOCCLIE: TADOIBStringField
      DisplayLabel = 'Razão Social'
      FieldName = 'NMRAZSOCCLIE'
      Size = 50
    end
    object qryClienteNRINSJURCLIE: TADOIBStringField
      DisplayLabel = 'Inscrição'
      FieldName = 'NRINSJURCLIE'
    end
    object qryClienteNMFANTCLIE: TADOIBStringField
      DisplayLabel = 'Nome Fantasia'
      FieldName = 'NMFANTCLIE'
      Size = 50
    end
  end
  object dtsCliente: TDataSource
    DataSet = qryCliente
    Left = 492
    Top = 40
  end
  object qryCli: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    Parameters = <
      item
        Name = 'P_NRINSJURCLIE'
        DataType = ftString
        Size = -1
        Value = Null
      end>
    SQL_ORACLE.Strings = (
      'SELECT CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE'
      'FROM CLIENTE'
      'WHERE NRINSJURCLIE = NVL(:P_NRINSJURCLIE, NRINSJURCLIE)'
      'ORDER BY NRINSJURCLIE')
    SQL_MSSQL.Strings = (
      'SELECT CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE'
      'FROM CLIENTE'
      'WHERE NRINSJURCLIE = ISNULL(:P_NRINSJURCLIE, NRINSJURCLIE)'
      'ORDER BY NRINSJURCLIE')
    SQL_IB.Strings = (
      'SELECT CDCLIENTE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE'
      'FROM CLIENTE, PARAM(:P_NRINSJURCLIE) P1'
      'WHERE NRINSJURCLIE = NVLSTR(P1.PARAM, NRINSJURCLIE)'
      'ORDER BY NRINSJURCLIE')
    Left = 524
    Top = 72
    object qryCliCDCLIENTE: TADOIBStringField
      FieldName = 'CDCLIENTE'
      Visible = False
      Size = 21
    end
    object qryCliNRINSJURCLIE: TADOIBStringField
      DisplayLabel = 'Inscrição'
      FieldName = 'NRINSJURCLIE'
      Size = 30
    end
    object qryCliNMRAZSOCCLIE: TADOIBStringField
      DisplayLabel = 'Razão Social'
      FieldName = 'NMRAZSOCCLIE'
      Size = 50
    end
    object qryCliNMFANTCLIE: TADOIBStringField
      DisplayLabel = 'Nome Fantasia'
      FieldName = 'NMFANTCLIE'
      Size = 50
    end
  end
  object dtsCli: TDataSource
    DataSet = qryCli
    Left = 492
    Top = 72
  end
  object qryTipoOperacao: TADOIBQuery
    CursorLocation = clUseClient
    CursorType = ctKeyset
    LockType = ltReadOnly
    CacheSize = 1
    MaxRecords = 0
    Parameters = <
      item
        Name = 'P_IDENTRSAIDOP'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_CDTIPOOPER'
        DataType = ftString
        Size = -1
        Value = Null
      end
      item
        Name = 'P_TCDTIPOOPER'
        DataType = ftString
        Size = -1
        Value = Null
      end>
    SQL.Strings = (
      'SELECT IDENTRSAIDOP, CDTIPOOPER, NMTIPOOPER'
      '  FROM TIPOOPERAC'
      ' WHERE (IDENTRSAIDOP = :P_IDENTRSAIDOP)'
      '   AND (CDTIPOOPER  = :P_CDTIPOOPER OR :P_TCDTIPOOPER = ''T'')'
      'ORDER BY CDTIPOOPER')
    Left = 524
    Top = 104
    object qryTipoOperacaoCDTIPOOPER: TADOIBStringField
      DisplayLabel = 'Código'
      FieldName = 'CDTIPOOPER'
      Size = 2
    end
    object qryTipoOperacaoNMTIPOOPER: TADOIBStringField
      DisplayLabel = 'Descrição'
      FieldName = 'NMTIPOOPER'
      Size = 30
    end
    object qryTipoOperacaoIDENTRSAIDOP: TADOIBStringField
      FieldName = 'IDENTRSAIDOP'
      Visible = False
      Size = 1
    end
  end
  object dtsTipoOperacao: TDataSource
    DataSet = qryTipoOperacao
    Left = 492
    Top = 104
  end
end
